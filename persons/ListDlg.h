// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Window.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The small box of the List command. The caller says what may be done
// (m_bCanAdd, m_bCanRemove) and fills the name and the birth-date line;
// after DoModal the flags tell whether the box was closed by Add or by
// Remove, and m_strName holds the name as typed. It may be run again.
class CListDlg : public CDialog
{
    Q_OBJECT
public:
    explicit CListDlg(QWidget* parent = nullptr);

    // IDOK or IDCANCEL.
    int DoModal();
    // Fills the controls from the fields and enables what the caller allows.
    bool OnInitDialog();
    // Between the fields and the controls; false when what was typed is
    // refused, after telling the user.
    bool UpdateData(bool saveAndValidate);

    void OnAddItem();
    void OnRemoveItem();
    // Enter: adds when adding is allowed, else does nothing.
    void OnOK();
    void OnCancel();

    bool m_bAdd = false;
    bool m_bCanAdd = false;
    bool m_bRemove = false;
    bool m_bCanRemove = false;
    QString m_strName;
    QString m_strInfo;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

private:
    QLabel* m_pInfo = nullptr;
    QLineEdit* m_pName = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pRemove = nullptr;
};
