// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChartAccessibility.h"

#include "app/BiorhythmDlg.h"
#include "platform/AccessibleFactory.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>
#include <QAccessibleWidget>

namespace {

// The chart is a picture; its words are built from the window's state each
// time a reader asks, so they never lag behind what is drawn.
class CChartAccessible : public QAccessibleWidget
{
public:
    CChartAccessible(QWidget* chart, const CBiorhythmDlg* window)
        : QAccessibleWidget(chart, QAccessible::Chart)
        , m_pWindow(window)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name)
            return QCoreApplication::translate("Accessibility", "Chart");
        if (type == QAccessible::Description)
            return m_pWindow->ChartDescription();
        return QAccessibleWidget::text(type);
    }

private:
    const CBiorhythmDlg* m_pWindow;
};

QAccessibleInterface* ChartFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("CStatic"))
        return nullptr;
    auto* chart = qobject_cast<QWidget*>(object);
    auto* window = chart ? qobject_cast<const CBiorhythmDlg*>(chart->parentWidget()) : nullptr;
    if (!window || GetDlgCtrlID(chart) != IDC_CHART)
        return nullptr;
    return new CChartAccessible(chart, window);
}

} // namespace

void InstallChartAccessibility()
{
    InstallAccessibleFactoryOnce(ChartFactory);
}
