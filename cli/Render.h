#pragma once

#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>

#include <iosfwd>
#include <optional>

class CBiorhythmDlg;

enum class RenderView { Year = 0, Rhythms = 1, Summary = 2 };

struct RenderOptions
{
    QDate birth;
    QDate compare;      // invalid: no second birth date
    int month = 0;      // 0: today's month
    int year = 0;
    int day = 0;        // 0: no day picked
    RenderView view = RenderView::Year;
    int scale = 1;
    bool chartOnly = false;
    QString output;
    bool helpRequested = false;
};

// Reads the arguments that follow "render". On a fault the result is empty
// and error holds one line describing it.
std::optional<RenderOptions> ParseRenderOptions(const QStringList& arguments, QString* error);

// Fills in today's month when none was given and checks the dates against
// today and the calendar's range.
bool CompleteRenderOptions(RenderOptions& options, const QDate& today, QString* error);

// Puts the window where a user leaves it, through the window's own
// handlers: Reset, a click on the birth day, Start, Next or Previous month
// to the month and the walk over its boundaries to its end; then the chart
// view and, with a day, current-month mode and a click on that day. With a
// second birth date, Insert, a click on it, Insert and Compare take the
// place of Start, and there is no walk. The window must have been shown.
void ChartMonthAsUser(CBiorhythmDlg& dialog, const RenderOptions& options);

// The whole window, or only the chart control, as set up above. Needs a
// running QApplication.
QImage RenderWindowImage(const RenderOptions& options);

// `ryvanta render`: writes the window as a PNG file. The arguments are those
// after "render". Returns 0, or 2 with one line on err on a fault.
int RunRender(const QStringList& arguments, std::ostream& out, std::ostream& err);

extern const char kRenderUsage[];
