#include "app/BiorhythmDlg.h"

// FIXME: Comparison of two birth dates is not built yet. The month and date
// steps hand comparison mode to these, which leave everything as it is.

void CBiorhythmDlg::CompareNextMonth()
{
}

void CBiorhythmDlg::CompareNextDate()
{
}

void CBiorhythmDlg::ComparePrevDate()
{
}
