#pragma once

// The chart's three views, in the order the view selector lists them: the
// yearly curve ("(Default)"), "3 rhythms" and "Summary".
enum class ChartView { Year = 0, Rhythms = 1, Summary = 2 };
