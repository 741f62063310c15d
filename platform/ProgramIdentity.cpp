// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramIdentity.h"

namespace {

ProgramIdentity& Identity()
{
    static ProgramIdentity identity;
    return identity;
}

} // namespace

void SetProgramIdentity(const ProgramIdentity& identity)
{
    Identity() = identity;
}

const ProgramIdentity& GetProgramIdentity()
{
    return Identity();
}
