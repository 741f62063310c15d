// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Window.h"

class QLabel;
class QPushButton;

// The small box with the program's icon, name and version, opened from the
// main window's system menu.
class CAboutDlg : public CDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QPushButton* OkButton() const { return m_pOk; }

private:
    QPushButton* m_pOk = nullptr;
};
