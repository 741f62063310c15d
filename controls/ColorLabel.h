// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/DialogColour.h"
#include "platform/Gdi.h"

#include <QImage>
#include <QLabel>

// A plain left-aligned label in the program's font and colours. Its text
// wraps at word boundaries within the width, and anything drawn onto it from
// outside (the main window's status icon) is composed over the text.
class CColorLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CColorLabel(QWidget* parent = nullptr);

    bool Create(const QString& caption, const CRect& rect, QWidget* parent, int id);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintFace(QPainter& painter, const QString& text);

    COLORREF m_clrText = RGB(0, 0, 0);
    COLORREF m_clrBack = kDialogBackColour;
    CBrush m_brBack { kDialogBackColour };
    CFont m_font;
    // The face as last painted, for the next paint of the same text at the
    // same size: a wrapped text is laid out anew at every drawing, which
    // costs more than all the rest of a window's labels together.
    struct Face {
        QString text;
        QSize size;
        qreal ratio = 0;
        QImage image;
    };
    Face m_face;
};
