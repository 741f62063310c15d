// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Gdi.h"

#include <QLabel>

// A read-out in a small white box with a sunken frame. A text starting with
// "(Time)" is shown as a clock icon followed by the text's last six
// characters; any other text is written whole, grey while the alternate
// colour is on.
class CFramedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CFramedLabel(QWidget* parent = nullptr);

    bool Create(const QString& caption, const CRect& rect, QWidget* parent, int id);
    // Takes effect on the next repaint, which the caller asks for.
    void SetAlternateColour(bool alternate) { m_bAlternateColour = alternate; }
    bool IsAlternateColour() const { return m_bAlternateColour; }
    // What the box shows, in words: the time form reads "Time 06:14".
    QString ShownText() const;
    // The widths a text has in the label: a birth date's, and the time's
    // caption right of the clock.
    static int TextRoom();
    static int TimeRoom();
    // What the time label shows before any time is read out.
    static QString TimeCaption();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    COLORREF m_clrText = RGB(0, 0, 0);
    COLORREF m_clrBack = RGB(255, 255, 255);
    COLORREF m_clrAlternate = RGB(140, 140, 140);
    CBrush m_brBack { RGB(255, 255, 255) };
    CFont m_font;
    CFont m_fontNarrow;
    CFont* m_hOldFont = nullptr;
    bool m_bAlternateColour = false;
    HICON m_hIconClock = nullptr;
};
