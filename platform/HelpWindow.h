// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QWidget;

// The program's help, shown in a window of its own that stays open beside
// the main window until CloseHelp.
void OpenHelp(QWidget* owner, const QString& resourcePath);
void CloseHelp();
bool IsHelpOpen();

// The frame of the help window, of frameSize at most: beside the owner's
// frame where the available area has room, else over it, and always wholly
// inside that area.
QRect PlaceHelpFrame(const QRect& ownerFrame, const QSize& frameSize, const QRect& available);
