// SPDX-License-Identifier: GPL-3.0-or-later
// Must not compile: the model is plain C++ and cannot see Qt.
#include "model/CalendarArithmetic.h"

#include <QString>
