// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Gdi.h"

#include <QComboBox>

class QAbstractItemView;

// A drop-down list in the program's own font and colours: black bold text on
// white, in the closed field and in the opened list alike. A pick by the user
// is reported to the parent as CBN_SELENDOK; selecting from code is silent.
class CColorComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CColorComboBox(QWidget* parent = nullptr);

    // rect is the dropped-down extent; the closed field takes its height from
    // the selection-field item height.
    bool Create(const CRect& rect, QWidget* parent, int id);
    // Index -1 sets the height of the selection field, any other index the
    // height of the list items.
    int SetItemHeight(int index, int height);

    // Where the closed field writes the chosen line, and in which font.
    QRect TextArea() const;
    QFont TextFont() const;

    int AddString(const QString& text);
    int InsertString(int index, const QString& text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    QString GetLBText(int index) const;

    bool IsListAttached() const { return m_wndList != nullptr; }

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void AttachList();
    int WidestItem() const;
    void ApplyClosedHeight();

    COLORREF m_clrText = RGB(0, 0, 0);
    COLORREF m_clrBack = RGB(255, 255, 255);
    CBrush m_brBack { RGB(255, 255, 255) };
    CFont m_font;
    QAbstractItemView* m_wndList = nullptr;
    int m_nFieldHeight = 14;
    int m_nListItemHeight = 14;
    int m_nDroppedHeight = 0;
};
