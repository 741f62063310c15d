#pragma once

#include <QString>

class QWidget;

// The program's help, shown in a window of its own that stays open beside
// the main window until CloseHelp.
void OpenHelp(QWidget* owner, const QString& resourcePath);
void CloseHelp();
bool IsHelpOpen();
