// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Accessibility.h"

#include "controls/ColorLabel.h"
#include "controls/FramedLabel.h"
#include "controls/IconButton.h"
#include "platform/AccessibleFactory.h"
#include "platform/Window.h"
#include "res/ResourceIds.h"

#include <QAccessibleWidget>

namespace {

bool IsToggle(int id) { return id == IDC_COMPARE || id == IDC_CURRENT_MONTH; }

// The caption of an icon button is an internal tag ("+", ">0<"); what the
// user knows the button by is its tooltip, or the word it shows.
class CIconButtonAccessible : public QAccessibleWidget
{
public:
    explicit CIconButtonAccessible(CIconButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        // The tooltip is the name already; told again as the description,
        // a reader would say it twice.
        if (type == QAccessible::Description)
            return {};
        if (type != QAccessible::Name)
            return QAccessibleWidget::text(type);
        const QString tip = button()->toolTip().trimmed();
        return tip.isEmpty() ? button()->text() : tip;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = !button()->m_bActive;
        state.focusable = false;
        if (IsToggle(GetDlgCtrlID(button()))) {
            state.checkable = true;
            state.checked = button()->m_bLit;
        }
        return state;
    }

    QStringList actionNames() const override { return { pressAction() }; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->Press();
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        QStringList keys;
        if (action == pressAction()) {
            for (const QKeySequence& key : button()->Keys())
                keys << key.toString(QKeySequence::NativeText);
        }
        return keys;
    }

private:
    CIconButton* button() const { return static_cast<CIconButton*>(widget()); }
};

// The labels are read, never used: their text is their name and value.
class CLabelAccessible : public QAccessibleWidget
{
public:
    explicit CLabelAccessible(QWidget* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name && type != QAccessible::Value)
            return QAccessibleWidget::text(type);
        if (auto* framed = qobject_cast<const CFramedLabel*>(widget()))
            return framed->ShownText();
        return GetWindowText(widget()).simplified();
    }
};

QAccessibleInterface* ControlFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("CIconButton")) {
        if (auto* button = qobject_cast<CIconButton*>(object))
            return new CIconButtonAccessible(button);
    } else if (className == QLatin1String("CColorLabel") || className == QLatin1String("CFramedLabel")) {
        if (auto* label = qobject_cast<QWidget*>(object))
            return new CLabelAccessible(label);
    }
    return nullptr;
}

} // namespace

void InstallControlAccessibility()
{
    InstallAccessibleFactoryOnce(ControlFactory);
}
