// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

struct RenderOptions;

// The whole window, or only the chart control, as the render sets it up.
// Needs a running QApplication.
QImage RenderWindowImage(const RenderOptions& options);

// Draws the image as above and writes it as a PNG file, replacing the output
// whole or not at all. On a fault nothing is written and error holds one
// line describing it.
bool WriteWindowImage(const RenderOptions& options, QString* error);
