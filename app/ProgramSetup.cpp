// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramSetup.h"

#include "platform/ProgramIdentity.h"

#include <QCoreApplication>
#include <QtGlobal>

// The resources live in a static library, whose registration the linker
// drops unless something refers to it. Outside any namespace, as the macro
// requires.
static void RegisterResources()
{
    Q_INIT_RESOURCE(resources);
    // One resource file per ratio the pictures are drawn ahead of time at.
    Q_INIT_RESOURCE(pictures_1x);
    Q_INIT_RESOURCE(pictures_2x);
    Q_INIT_RESOURCE(translations);
}

void SetUpProgram()
{
    RegisterResources();
    ProgramIdentity identity;
    identity.organization = QStringLiteral("Vantrell");
    identity.application = QStringLiteral("Ryvanta");
    identity.todayVariable = QStringLiteral("RYVANTA_TODAY");
    SetProgramIdentity(identity);
    QCoreApplication::setOrganizationName(identity.organization);
    QCoreApplication::setApplicationName(identity.application);
}
