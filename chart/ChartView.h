// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CColorComboBox;

// The chart's three views, in the order the view selector lists them: the
// yearly curve ("(Default)"), "3 rhythms" and "Summary".
enum class ChartView { Year = 0, Rhythms = 1, Summary = 2 };

// Lists the views from first on in the selector, which holds the ones
// before it: all three at start, the month views again after a comparison.
void ListChartViews(CColorComboBox& selector, ChartView first = ChartView::Year);

// The view the selector shows; with nothing chosen the summary is drawn.
ChartView ChosenChartView(const CColorComboBox& selector);
void ChooseChartView(CColorComboBox& selector, ChartView view);
