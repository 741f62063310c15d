// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

struct SheetOptions;

// The sheet as a one-page PDF, drawn from a window for reading only that is
// set up as a render sets it up. Needs a running QApplication; empty when
// the page could not be painted.
QByteArray SheetPdf(const SheetOptions& options);

// Writes the PDF, replacing the output whole or not at all. On a fault
// nothing is written and error holds one line describing it.
bool WriteSheetFile(const SheetOptions& options, QString* error);
