// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The model's texts that the window shows are marked for Qt's lupdate, which
// finds them by this name alone; the window translates them where it shows
// them. Spelled as Qt spells it, so that either definition may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
