// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DeviceContext.h"
#include "platform/Gdi.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QList>

#include <array>

// The program's push button: a flat face with its own 3-D frames and a
// chevron or icon chosen by the control id. m_bActive is the commands' own
// notion of "enabled": the window is never disabled, every click is reported
// to the parent, and the handlers decide. The compare and current-month
// buttons are toggles whose m_bLit turns over each time they are drawn
// pressed.
class CIconButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit CIconButton(QWidget* parent = nullptr);

    bool Create(const QString& caption, const CRect& rect, QWidget* parent, int id);
    void DrawItem(CDC& dc, const CRect& item, bool selected);

    // A click from the keyboard or a screen reader: on an active button it
    // turns a toggle over, as its drawn press does, and reports the click;
    // an inactive one does nothing. Answers whether it was pressed.
    bool Press();
    // The keys the window presses the button with, told to screen readers.
    void SetKeys(const QList<QKeySequence>& keys) { m_keys = keys; }
    const QList<QKeySequence>& Keys() const { return m_keys; }

    // The width a caption has right of the picture, and the font that fits
    // a caption into it.
    int CaptionRoom() const;
    CFont CaptionFont(const QString& caption) const;

    bool m_bActive = true;
    bool m_bLit = false;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void DrawPicture(CDC& dc, int id, const QString& caption, bool pressed);
    void DrawCaption(CDC& dc, const QString& caption, int shift);
    void DrawChevron(CDC& dc, int offset, int direction, bool pressed);
    HICON Icon(int resourceId) const;

    CBrush m_brFace { RGB(221, 230, 237) };
    CFont m_font;
    CPen m_penLight { PS_SOLID, 2, RGB(251, 253, 255) };
    CPen m_penDark { PS_SOLID, 1, RGB(45, 45, 45) };
    CFont* m_hOldFont = nullptr;
    std::array<HICON, 14> m_arrIcons {};
    // A press turns a toggle over once, however often it is repainted.
    bool m_bPressPainted = false;
    QList<QKeySequence> m_keys;
};
