// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVariant>

namespace {

constexpr char kControlIdProperty[] = "dlgCtrlId";
constexpr char kWindowTextProperty[] = "windowText";

// Rounds numerator / denominator half up, also for negative numerators.
int DivideRoundingHalfUp(int numerator, int denominator)
{
    const int doubled = 2 * numerator + denominator;
    const int divisor = 2 * denominator;
    int quotient = doubled / divisor;
    if (doubled % divisor != 0 && doubled < 0)
        --quotient;
    return quotient;
}

} // namespace

void SetDlgCtrlID(QWidget* control, int id)
{
    Q_ASSERT(control);
    control->setProperty(kControlIdProperty, id);
}

int GetDlgCtrlID(const QWidget* control)
{
    if (!control)
        return 0;
    return control->property(kControlIdProperty).toInt();
}

// Labels, buttons, line edits and editable combo boxes keep their text where
// Qt keeps it, so it shows without further work. A drop-down list selects the
// item with that text. A dialog's text is its title. Any other widget keeps
// the text in a property and paints it itself.
void SetWindowText(QWidget* control, const QString& text)
{
    Q_ASSERT(control);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* lineEdit = qobject_cast<QLineEdit*>(control)) {
        lineEdit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable()) {
            combo->setEditText(text);
        } else {
            const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (index < 0)
                qWarning("platform: a drop-down list has no item \"%s\"", qUtf8Printable(text));
            else
                combo->setCurrentIndex(index);
        }
    } else if (control->isWindow()) {
        control->setWindowTitle(text);
    } else {
        control->setProperty(kWindowTextProperty, text);
        control->update();
    }
}

QString GetWindowText(const QWidget* control)
{
    if (!control)
        return {};
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* lineEdit = qobject_cast<const QLineEdit*>(control))
        return lineEdit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    if (control->isWindow())
        return control->windowTitle();
    return control->property(kWindowTextProperty).toString();
}

CPostedMessage::CPostedMessage(UINT message, WPARAM wParam, LPARAM lParam)
    : QEvent(EventType())
    , message(message)
    , wParam(wParam)
    , lParam(lParam)
{
}

QEvent::Type CPostedMessage::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostMessage(QObject* receiver, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!receiver) {
        qWarning("platform: message 0x%x posted to no window", message);
        return;
    }
    QCoreApplication::postEvent(receiver, new CPostedMessage(message, wParam, lParam));
}

void NotifyParent(QWidget* control, int notificationCode)
{
    Q_ASSERT(control);
    for (QWidget* parent = control->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto* dialog = qobject_cast<CDialog*>(parent)) {
            dialog->OnCommand(GetDlgCtrlID(control), notificationCode);
            return;
        }
    }
    qWarning("platform: control %d has no dialog to notify", GetDlgCtrlID(control));
}

CDialog::CDialog(QWidget* parent)
    : QDialog(parent)
{
}

CDialog::~CDialog()
{
    for (auto& [id, timer] : m_timers)
        timer->stop();
}

QWidget* CDialog::GetDlgItem(int id) const
{
    // Direct children first, so a nested panel's control never hides one of
    // the dialog's own.
    const auto children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (GetDlgCtrlID(child) == id)
            return child;
    }
    const auto descendants = findChildren<QWidget*>();
    for (QWidget* child : descendants) {
        if (GetDlgCtrlID(child) == id)
            return child;
    }
    return nullptr;
}

void CDialog::OnCommand(int id, int notificationCode)
{
    Q_UNUSED(id);
    Q_UNUSED(notificationCode);
}

LRESULT CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    Q_UNUSED(message);
    Q_UNUSED(wParam);
    Q_UNUSED(lParam);
    return 0;
}

void CDialog::OnTimer(UINT_PTR id)
{
    Q_UNUSED(id);
}

UINT_PTR CDialog::SetTimer(UINT_PTR id, int milliseconds)
{
    QTimer*& timer = m_timers[id];
    if (!timer) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] { OnTimer(id); });
    }
    timer->start(milliseconds);
    return id;
}

bool CDialog::KillTimer(UINT_PTR id)
{
    auto found = m_timers.find(id);
    if (found == m_timers.end() || !found->second->isActive())
        return false;
    // The QTimer stays: KillTimer may be called from its own tick.
    found->second->stop();
    return true;
}

bool CDialog::IsTimerRunning(UINT_PTR id) const
{
    auto found = m_timers.find(id);
    return found != m_timers.end() && found->second->isActive();
}

void CDialog::Invalidate()
{
    update();
}

void CDialog::InvalidateRect(const CRect& rect)
{
    update(rect.ToQRect());
}

bool CDialog::event(QEvent* event)
{
    if (event->type() == CPostedMessage::EventType()) {
        auto* posted = static_cast<CPostedMessage*>(event);
        OnMessage(posted->message, posted->wParam, posted->lParam);
        return true;
    }
    return QDialog::event(event);
}

void InvalidateWindow(QWidget* control)
{
    Q_ASSERT(control);
    control->update();
}

int DialogUnitsToPixelsX(int units)
{
    return DivideRoundingHalfUp(units * 6, 4);
}

int DialogUnitsToPixelsY(int units)
{
    return DivideRoundingHalfUp(units * 13, 8);
}

QRect DialogUnitsToPixels(int x, int y, int width, int height)
{
    const int left = DialogUnitsToPixelsX(x);
    const int top = DialogUnitsToPixelsY(y);
    return QRect(left, top, DialogUnitsToPixelsX(x + width) - left, DialogUnitsToPixelsY(y + height) - top);
}

void PlaceControl(QWidget* control, const QRect& rect, QWidget* parent, int id)
{
    if (control->parentWidget() != parent)
        control->setParent(parent);
    control->setGeometry(rect);
    if (id >= 0)
        SetDlgCtrlID(control, id);
    control->show();
}

QRect DialogUnitsToPixels(const QRect& units)
{
    return DialogUnitsToPixels(units.x(), units.y(), units.width(), units.height());
}
