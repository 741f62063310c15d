// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramSetup.h"
#include "cli/CommandLine.h"

int main(int argc, char** argv)
{
    SetUpProgram();
    return RunRyvanta(argc, argv);
}
