// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ConstantTable.h"

#include <cstdint>

// The yearly curve from one birthday to the next, one sample for every
// second column of the year chart. A sample is a pixel offset: 32 is the
// centre line, smaller is higher. The last sample only closes the table.
inline constexpr ConstantTable<std::int16_t, 185> BioYearSamples({
    32, 27, 22, 18, 14, 11, 8, 5, 5, 8, 11, 14, 18, 22, 27, 32, 37, 42, 46, 50,
    53, 56, 59, 59, 56, 53, 50, 46, 42, 37, 32, 30, 28, 27, 26, 25, 25, 24, 24, 25,
    25, 26, 27, 28, 30, 32, 34, 36, 37, 38, 39, 39, 40, 40, 39, 39, 38, 37, 36, 34,
    32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 23, 22, 22, 22, 21, 21, 21, 22, 22, 22,
    23, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41,
    41, 42, 42, 42, 43, 43, 43, 43, 42, 42, 42, 41, 41, 40, 39, 38, 37, 36, 35, 34,
    33, 32, 32, 31, 31, 31, 30, 30, 30, 29, 29, 29, 28, 28, 28, 27, 27, 26, 25, 23,
    21, 18, 15, 12, 10, 9, 8, 7, 7, 7, 8, 9, 10, 12, 15, 18, 21, 25, 28, 31,
    34, 37, 40, 43, 45, 47, 49, 51, 53, 54, 55, 56, 56, 56, 55, 54, 53, 51, 49, 47,
    44, 41, 38, 35, 32});

// Height of the yearly curve at a column of the year chart, 0..365 days
// after the birthday. Columns 366 to 368 still read the table's closing
// samples (the year chart opens on column 366 when no birthday is known);
// any other column is first reduced modulo 366 into 0..365, so every int is
// a valid argument.
int BioYearCurve(int column);

// Column of the yearly curve for a day of the year, both day numbers 1-based
// and taken in the same year.
int BioYearColumn(int dayOfYear, int birthdayOfYear);

// The curve's height read as a signed value, about +1 at the highest sample
// and -1 at the lowest. Computed in single precision, as the read-outs show it.
float BioYearReading(int column);
