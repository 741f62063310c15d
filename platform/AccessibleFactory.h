// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

// Hands Qt a factory of accessible interfaces the first time it is asked
// to, however many controls of its kind are built: Qt asks every factory
// installed, in turn, for each object a screen reader looks at.
void InstallAccessibleFactoryOnce(QAccessible::InterfaceFactory factory);
