// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChartView.h"

#include "controls/ColorComboBox.h"
#include <QCoreApplication>
#include <QString>

namespace {

QString ViewName(ChartView view)
{
    switch (view) {
    case ChartView::Year:
        return QCoreApplication::translate("Chart", "(Default)");
    case ChartView::Rhythms:
        return QCoreApplication::translate("Chart", "3 rhythms");
    case ChartView::Summary:
        break;
    }
    return QCoreApplication::translate("Chart", "Summary");
}

} // namespace

void ListChartViews(CColorComboBox& selector, ChartView first)
{
    for (int view = static_cast<int>(first); view <= static_cast<int>(ChartView::Summary); ++view)
        selector.InsertString(view, ViewName(static_cast<ChartView>(view)));
}

ChartView ChosenChartView(const CColorComboBox& selector)
{
    switch (selector.GetCurSel()) {
    case static_cast<int>(ChartView::Year):
        return ChartView::Year;
    case static_cast<int>(ChartView::Rhythms):
        return ChartView::Rhythms;
    }
    return ChartView::Summary;
}

void ChooseChartView(CColorComboBox& selector, ChartView view)
{
    selector.SetCurSel(static_cast<int>(view));
}
