// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AccessibleFactory.h"

#include <set>

void InstallAccessibleFactoryOnce(QAccessible::InterfaceFactory factory)
{
    static std::set<QAccessible::InterfaceFactory> installed;
    if (installed.insert(factory).second)
        QAccessible::installFactory(factory);
}
