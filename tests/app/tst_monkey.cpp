// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDlg.h"
#include "app/BiorhythmDlg.h"
#include "app/SystemMenu.h"
#include "calendar/CalendarPanel.h"
#include "model/CalendarArithmetic.h"
#include "model/LongCycle.h"
#include "persons/ListDlg.h"
#include "persons/PersonsStore.h"
#include "platform/HelpWindow.h"
#include "platform/MessageBox.h"
#include "res/ResourceIds.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <deque>
#include <functional>
#include <ctime>
#include <memory>
#include <tuple>
#include <utility>

#ifdef RYVANTA_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

// The monkey: seeded random sequences of everything a user can do to the
// window, each followed by a check of what must always hold. A failing run
// names its seed and action, and runs again alike with
//     RYVANTA_MONKEY_SEED=<seed> RYVANTA_MONKEY_ACTIONS=<count>
// (the seed also chooses today's date). The default is every seed below
// with kActionsPerSeed actions.

namespace {

// The calling thread's processor time.
class ThreadClock
{
public:
    void start() { m_nStart = Now(); }
    qint64 nsecsElapsed() const { return Now() - m_nStart; }

private:
    static qint64 Now()
    {
        timespec now {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
    }
    qint64 m_nStart = 0;
};

constexpr int kSeeds = 8;
constexpr int kActionsPerSeed = 2500;
constexpr int kRemembered = 20;

// A handler answers the user within 50 ms: the processor time of an action
// less the main window's repaints and the time the user spends in the
// boxes it opens. Processor time, not the wall clock, so that other work on
// the machine or a slow disk's flush of the saved list does not count. Both builds are measured; the sanitizer build runs unoptimised
// with every memory access checked, so there the limit is ten times as
// long. An action over the limit is timed once more in a replay of its
// seed before the run fails, so that a machine busy with something else
// does not fail the suite.
constexpr qint64 kHandlerLimitMs = 50;
#ifdef RYVANTA_SANITIZED
constexpr qint64 kSlowdown = 10;
#else
constexpr qint64 kSlowdown = 1;
#endif

// A walk ends after at most 17 boundaries and the return to the first.
constexpr int kLongestWalk = 40;

QString ButtonName(int id)
{
    static const QHash<int, QString> kNames = { { IDC_START, "Start" }, { IDC_NEXT_MONTH, "NextMonth" },
        { IDC_PREV_MONTH, "PrevMonth" }, { IDC_NEXT_DATE, "NextDate" }, { IDC_PREV_DATE, "PrevDate" },
        { IDC_RESET, "Reset" }, { IDC_CURRENT_MONTH, "CurrentMonth" }, { IDC_INFO, "Info" }, { IDC_INSERT, "Insert" },
        { IDC_REMOVE, "Remove" }, { IDC_COMPARE, "Compare" }, { IDC_HELP, "Help" }, { IDC_LIST, "List" } };
    return kNames.value(id);
}

int EnvironmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// Half the seeds live in late 2100, where the calendar ends, one in four at
// any day of the calendar's range.
QDate TodayFor(quint32 seed, QRandomGenerator& random)
{
    switch (seed % 4) {
    case 0:
        return QDate(2026, 12, 7);
    case 1:
        return QDate(2100, 12, 31);
    case 2:
        return QDate(2100, 11, 1).addDays(random.bounded(61));
    default:
        return QDate(kFirstYear, 1, 1).addDays(random.bounded(91676));
    }
}

// Names as typed: ASCII, accents, combining marks, CJK, right-to-left and
// characters outside the basic plane; up to 12 characters fit.
QString RandomName(QRandomGenerator& random)
{
    static const char32_t kAlphabet[] = { U'a', U'Z', U'q', U'7', U' ', U'-', U'\'', U'\u00eb', U'\u0141', U'\u0301',
        U'\u05e9', U'\u674e', U'\U0001F600', U'\U0001D11E' };
    const int length = random.bounded(4) == 0 ? 12 + random.bounded(2) : 1 + random.bounded(20);
    std::u32string name;
    for (int i = 0; i < length; ++i)
        name += kAlphabet[random.bounded(int(std::size(kAlphabet)))];
    return QString::fromStdU32String(name);
}

// Typed one character (code point) at a time, as a keyboard sends it.
void Type(QWidget* field, const QString& text)
{
    for (char32_t character : text.toStdU32String())
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromStdU32String({ character }), Qt::NoModifier);
}

// Answers the modal dialogs that open while it lives, one answer per turn
// of their event loop, and keeps the time from its first answer to the end
// of its last, less what painting counts meanwhile: the user's time, not
// the program's.
class ModalAnswerer : public QObject
{
public:
    ModalAnswerer(const qint64& painting, std::function<void(QWidget*)> answer)
        : m_painting(painting)
        , m_answer(std::move(answer))
    {
        m_clock.start();
        Schedule();
    }

    qint64 UserNs() const { return m_nSpanNs; }

private:
    void Schedule() { QTimer::singleShot(0, this, &ModalAnswerer::Answer); }
    void Answer()
    {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            const qint64 start = m_clock.nsecsElapsed() - m_painting;
            if (m_nFirstNs < 0)
                m_nFirstNs = start;
            m_answer(modal);
            m_nSpanNs = m_clock.nsecsElapsed() - m_painting - m_nFirstNs;
        }
        Schedule();
    }

    const qint64& m_painting;
    std::function<void(QWidget*)> m_answer;
    ThreadClock m_clock;
    qint64 m_nFirstNs = -1;
    qint64 m_nSpanNs = 0;
};

// The main window, with the time it spends painting kept apart: a
// handler's time is what the user waits for beyond the repaints.
class TimedWindow final : public CBiorhythmDlg
{
public:
    qint64 m_nPaintingNs = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ThreadClock clock;
        clock.start();
        CBiorhythmDlg::paintEvent(event);
        m_nPaintingNs += clock.nsecsElapsed();
    }
};

// The walk's timer ticks only when the monkey says so, so that a seed
// always plays alike, however long its actions take.
class HeldTimers : public QObject
{
public:
    explicit HeldTimers(QObject* owner)
        : m_owner(owner)
    {
        qApp->installEventFilter(this);
    }
    ~HeldTimers() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        return event->type() == QEvent::Timer && object->parent() == m_owner && qobject_cast<QTimer*>(object);
    }

private:
    QObject* m_owner;
};

using Action = std::function<QString()>;

class Monkey
{
public:
    explicit Monkey(quint32 seed);
    ~Monkey();

    // Plays count actions; what went wrong, or an empty text.
    QString Play(int count);
    // The actions that took longer than the limit, and how long.
    QList<QPair<int, qint64>> SlowActions() const { return m_slow; }
    // Replays the first index actions untimed and times the next.
    qint64 TimeAction(int index);
    QString Summary() const;
    // The seed, the action and the last actions before it.
    QString Failure(int index, const QString& what) const;
    void Warned(const QString& message) { m_unexpected << message; }
    // For last words: the action under way.
    int ActionUnderWay() const { return m_nDone; }

private:
    void OpenWindow();
    QString Step(int index, bool timed);
    void Plan();
    QString BrokenRule() const;
    // The calendar, the marks, the modes and the birth dates, in short.
    QString State() const;

    // What a user does, each returning what it did for the log.
    QString ClickPanel(QPoint point);
    QString ClickDay(int day);
    QString PressButton(int id);
    QString Pick(CColorComboBox& combo, int item, const char* name);
    QString Tick(bool watch);
    QString List();
    QString SystemMenuEntry();
    QString CloseHelpWindow();
    QString Restart();
    void AnswerList(CListDlg& list, QStringList& done);

    void EnterRandomBirthDate();
    void EnterBirthDate(const QDate& birth);
    int RandomYear();
    int RandomMonth();
    CColorComboBox& PanelSelector(int id) const;

    quint32 m_seed;
    QRandomGenerator m_random;
    QDate m_today;
    ScopedSettingsFolder m_settings;
    std::unique_ptr<ScopedToday> m_todayGuard;
    std::unique_ptr<TimedWindow> m_dialog;
    std::unique_ptr<HeldTimers> m_heldTimers;
    std::deque<Action> m_planned;
    QStringList m_boxes;
    QStringList m_unexpected;
    QStringList m_log;
    int m_nWalkTicks = 0;
    // Spent by the user in the boxes the last action opened.
    qint64 m_nUserNs = 0;
    qint64 m_nLastMs = 0;
    // The last action may have changed the stored list.
    bool m_bPersonsChanged = false;
    int m_nDone = 0;
    qint64 m_nSlowestMs = -1;
    QString m_strSlowest;
    QList<QPair<int, qint64>> m_slow;
};

// The monkey playing now, for the sanitizer's last words.
Monkey* g_pMonkey = nullptr;

Monkey::Monkey(quint32 seed)
    : m_seed(seed)
    , m_random(seed)
{
    m_today = TodayFor(seed, m_random);
    m_todayGuard = std::make_unique<ScopedToday>(m_today.toString(Qt::ISODate).toLatin1());
    SetMessageBoxHandler([this](const QString& text, const QString&, unsigned type) {
        if ((type & 0xf0) == MB_ICONERROR)
            m_unexpected << text;
        const bool cancel = (type & 0x0f) == MB_OKCANCEL && m_random.bounded(2) == 0;
        m_boxes << QStringLiteral("\"%1\" %2").arg(text.simplified().left(24), cancel ? "Cancel" : "OK");
        return cancel ? int(IDCANCEL) : int(IDOK);
    });
    OpenWindow();
    g_pMonkey = this;
}

Monkey::~Monkey()
{
    g_pMonkey = nullptr;
    m_heldTimers.reset();
    m_dialog.reset();
    SetMessageBoxHandler(nullptr);
}

void Monkey::OpenWindow()
{
    m_heldTimers.reset();
    m_dialog = std::make_unique<TimedWindow>();
    m_heldTimers = std::make_unique<HeldTimers>(m_dialog.get());
    m_dialog->show();
}

QString Monkey::Play(int count)
{
    for (int index = 0; index < count; ++index) {
        const QString broken = Step(index, true);
        if (!broken.isEmpty())
            return Failure(index, broken);
    }
    // Whatever walk is left still ends.
    for (int tick = 0; m_dialog->IsTimerRunning(IDT_SCAN); ++tick) {
        if (tick == kLongestWalk)
            return Failure(count, QStringLiteral("the walk does not end"));
        m_dialog->OnTimer(IDT_SCAN);
    }
    return {};
}

qint64 Monkey::TimeAction(int index)
{
    for (int i = 0; i <= index; ++i)
        Step(i, false);
    return m_nLastMs;
}

QString Monkey::Step(int index, bool timed)
{
    if (m_planned.empty())
        Plan();
    const Action action = m_planned.front();
    m_planned.pop_front();
    m_boxes.clear();
    const QStringList persons = m_dialog->m_arrPersons;

    m_nUserNs = 0;
    const qint64 paintingBefore = m_dialog->m_nPaintingNs;
    ThreadClock clock;
    clock.start();
    QString what = action();
    const qint64 painting = m_dialog->m_nPaintingNs - paintingBefore;
    const qint64 elapsed = (clock.nsecsElapsed() - painting - m_nUserNs) / 1000000;
    m_nLastMs = elapsed;
    const bool restarted = what.startsWith(QLatin1String("restart"));
    if (!m_boxes.isEmpty())
        what += QStringLiteral(" [boxes: %1]").arg(m_boxes.join(QLatin1String(", ")));
    m_log << QStringLiteral("%1: %2 (%3 ms) -> %4").arg(index).arg(what).arg(elapsed).arg(State());
    if (m_log.size() > kRemembered)
        m_log.removeFirst();
    ++m_nDone;
    m_bPersonsChanged = restarted || what.startsWith(QLatin1String("List")) || m_dialog->m_arrPersons != persons;

    // Starting a new window and painting are no handlers.
    if (timed && !restarted && what != QLatin1String("paint")) {
        if (elapsed > m_nSlowestMs) {
            m_nSlowestMs = elapsed;
            m_strSlowest = what;
        }
        if (elapsed > kHandlerLimitMs * kSlowdown)
            m_slow.append({ index, elapsed });
    }
    if (!m_unexpected.isEmpty())
        return QStringLiteral("unexpected: %1").arg(m_unexpected.join(QLatin1String(" / ")));
    return BrokenRule();
}

// Draws the next action, or a few that belong together.
void Monkey::Plan()
{
    static const int kButtons[] = { IDC_START, IDC_NEXT_MONTH, IDC_PREV_MONTH, IDC_NEXT_DATE, IDC_PREV_DATE,
        IDC_RESET, IDC_CURRENT_MONTH, IDC_INFO, IDC_INSERT, IDC_REMOVE, IDC_COMPARE };
    // Ticks only while the walk goes on, closing Help only while it is open.
    const bool walking = m_dialog->IsTimerRunning(IDT_SCAN);
    int roll = 0;
    do
        roll = m_random.bounded(1000);
    while ((!walking && roll >= 830 && roll < 930) || (!IsHelpOpen() && roll >= 970 && roll < 980));

    if (roll < 250) {
        // Anywhere on the panel: days, grey days, headings, gaps, title.
        const QRect area = m_dialog->m_pCalendar->rect();
        const QPoint point(m_random.bounded(area.width()), m_random.bounded(area.height()));
        m_planned.push_back([this, point] { return ClickPanel(point); });
    } else if (roll < 530) {
        const int id = kButtons[m_random.bounded(int(std::size(kButtons)))];
        m_planned.push_back([this, id] { return PressButton(id); });
    } else if (roll < 580) {
        const int item = m_random.bounded(m_dialog->m_comboPersons.GetCount());
        m_planned.push_back([this, item] { return Pick(m_dialog->m_comboPersons, item, "person"); });
    } else if (roll < 640) {
        const int item = m_random.bounded(m_dialog->m_comboRhythms.GetCount());
        m_planned.push_back([this, item] { return Pick(m_dialog->m_comboRhythms, item, "view"); });
    } else if (roll < 690) {
        const int month = RandomMonth();
        m_planned.push_back([this, month] { return Pick(PanelSelector(IDC_CALENDAR_MONTH), month - 1, "month"); });
    } else if (roll < 740) {
        const int year = RandomYear();
        m_planned.push_back([this, year] { return Pick(PanelSelector(IDC_CALENDAR_YEAR), year - kFirstYear, "year"); });
    } else if (roll < 800) {
        EnterRandomBirthDate();
    } else if (roll < 830) {
        // Two dates compared; a third of the time the same one twice, whose
        // long cycles run alike.
        m_planned.push_back([this] { return PressButton(IDC_INSERT); });
        const QDate birth(m_dialog->m_nBirthYear, m_dialog->m_nBirthMonth, m_dialog->m_nBirthDay);
        if (birth.isValid() && m_random.bounded(3) == 0)
            EnterBirthDate(birth);
        else
            EnterRandomBirthDate();
        m_planned.push_back([this] { return PressButton(IDC_INSERT); });
        m_planned.push_back([this] { return PressButton(IDC_COMPARE); });
    } else if (roll < 930) {
        // One tick, or the walk watched to its end.
        m_nWalkTicks = 0;
        const bool watch = m_random.bounded(3) == 0;
        m_planned.push_back([this, watch] { return Tick(watch); });
    } else if (roll < 960) {
        m_planned.push_back([this] { return List(); });
    } else if (roll < 970) {
        m_planned.push_back([this] { return PressButton(IDC_HELP); });
    } else if (roll < 980) {
        m_planned.push_back([this] { return CloseHelpWindow(); });
    } else if (roll < 990) {
        m_planned.push_back([this] { return SystemMenuEntry(); });
    } else if (roll < 993) {
        m_planned.push_back([this] { return Restart(); });
    } else if (roll < 996) {
        // Now and then the window is painted in whatever state it is in.
        m_planned.push_back([] {
            QCoreApplication::processEvents();
            return QStringLiteral("paint");
        });
    } else {
        m_planned.push_back([this] {
            QTest::keyClick(m_dialog.get(), Qt::Key_Return);
            return QStringLiteral("Enter on the window");
        });
    }
}

// A month's first or last day or any, now and then in today's month.
void Monkey::EnterRandomBirthDate()
{
    const bool thisMonth = m_random.bounded(6) == 0;
    const int year = thisMonth ? m_today.year() : RandomYear();
    const int month = thisMonth ? m_today.month() : RandomMonth();
    const int length = DaysInMonth(month, year);
    const int day = m_random.bounded(3) == 0 ? (m_random.bounded(2) ? 1 : length) : 1 + m_random.bounded(length);
    EnterBirthDate(QDate(year, month, day));
}

// The year and month chosen in the panel's selectors, then the day clicked.
void Monkey::EnterBirthDate(const QDate& birth)
{
    const int year = birth.year();
    const int month = birth.month();
    const int day = birth.day();
    m_planned.push_back([this, year] { return Pick(PanelSelector(IDC_CALENDAR_YEAR), year - kFirstYear, "year"); });
    m_planned.push_back([this, month] { return Pick(PanelSelector(IDC_CALENDAR_MONTH), month - 1, "month"); });
    m_planned.push_back([this, day] { return ClickDay(day); });
}

// The calendar's ends, today's year and the years around it, or any.
int Monkey::RandomYear()
{
    switch (m_random.bounded(5)) {
    case 0:
        return kFirstYear;
    case 1:
        return kLastYear;
    case 2:
        return std::clamp(m_today.year() - m_random.bounded(3), kFirstYear, kLastYear);
    default:
        return kFirstYear + m_random.bounded(kLastYear - kFirstYear + 1);
    }
}

int Monkey::RandomMonth()
{
    switch (m_random.bounded(4)) {
    case 0:
        return 1;
    case 1:
        return 12;
    default:
        return 1 + m_random.bounded(12);
    }
}

CColorComboBox& Monkey::PanelSelector(int id) const
{
    return *qobject_cast<CColorComboBox*>(m_dialog->m_pCalendar->GetDlgItem(id));
}

QString Monkey::ClickPanel(QPoint point)
{
    CCalendarPanel& calendar = *m_dialog->m_pCalendar;
    const bool twice = m_random.bounded(10) == 0;
    QTest::mouseClick(&calendar, Qt::LeftButton, {}, point);
    if (twice) {
        QTest::mouseDClick(&calendar, Qt::LeftButton, {}, point);
        QTest::mouseRelease(&calendar, Qt::LeftButton, {}, point);
    }
    QCoreApplication::sendPostedEvents(m_dialog.get(), CPostedMessage::EventType());
    return QStringLiteral("%1 panel at (%2, %3)").arg(twice ? "double-click" : "click").arg(point.x()).arg(point.y());
}

// A day of the shown month, by its cell.
QString Monkey::ClickDay(int day)
{
    const CCalendarPanel& calendar = *m_dialog->m_pCalendar;
    const CRect cell = CCalendarPanel::CellRect(calendar.CellOfDay(day));
    return ClickPanel(QPoint(cell.left + 2 + m_random.bounded(cell.Width() - 4), cell.top + 2 + m_random.bounded(cell.Height() - 4)))
        + QStringLiteral(" (day %1 of %2-%3)").arg(day).arg(calendar.m_nYear).arg(calendar.m_nMonth);
}

// The button paints its pressed look at once, before the release, which
// turns a toggle's face.
QString Monkey::PressButton(int id)
{
    QTest::mouseClick(m_dialog->GetDlgItem(id), Qt::LeftButton);
    return QStringLiteral("button %1").arg(ButtonName(id));
}

// What a user's pick in an opened list does: the item becomes current and
// the selector reports it. Now and then it is picked by key instead.
QString Monkey::Pick(CColorComboBox& combo, int item, const char* name)
{
    if (m_random.bounded(5) == 0) {
        static const Qt::Key kKeys[] = { Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown };
        const Qt::Key key = kKeys[m_random.bounded(int(std::size(kKeys)))];
        QTest::keyClick(&combo, key);
        return QStringLiteral("%1 selector key %2 -> item %3").arg(QLatin1String(name)).arg(int(key), 0, 16).arg(combo.GetCurSel());
    }
    combo.setCurrentIndex(item);
    emit combo.activated(item);
    return QStringLiteral("%1 selector item %2 \"%3\"").arg(QLatin1String(name)).arg(item).arg(combo.GetLBText(item));
}

// What the walk's timer does on each tick; watched, the ticks go on until
// the walk ends.
QString Monkey::Tick(bool watch)
{
    ++m_nWalkTicks;
    m_dialog->OnTimer(IDT_SCAN);
    if (watch && m_dialog->IsTimerRunning(IDT_SCAN))
        m_planned.push_front([this] { return Tick(true); });
    return QStringLiteral("tick %1").arg(m_nWalkTicks);
}

QString Monkey::List()
{
    QStringList done;
    {
        ModalAnswerer answerer(m_dialog->m_nPaintingNs, [this, &done](QWidget* modal) {
            if (auto* list = qobject_cast<CListDlg*>(modal))
                AnswerList(*list, done);
        });
        PressButton(IDC_LIST);
        m_nUserNs = answerer.UserNs();
    }
    return QStringLiteral("List: %1").arg(done.join(QLatin1String("; ")));
}

// A name typed or not, then Add, Remove, Cancel, Enter, Esc or the close
// box; after a few turns the box is cancelled.
void Monkey::AnswerList(CListDlg& list, QStringList& done)
{
    auto* name = qobject_cast<QLineEdit*>(list.GetDlgItem(IDC_LIST_NAME));
    if (done.size() >= 4) {
        QTest::mouseClick(list.GetDlgItem(IDCANCEL), Qt::LeftButton);
        done << QStringLiteral("Cancel");
        return;
    }
    if (!name->isReadOnly() && m_random.bounded(3) != 0) {
        if (m_random.bounded(2) == 0)
            QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        const QString typed = RandomName(m_random);
        Type(name, typed);
        done << QStringLiteral("type \"%1\"").arg(typed);
    }
    switch (m_random.bounded(7)) {
    case 0:
    case 1:
        QTest::mouseClick(list.GetDlgItem(IDC_LIST_ADD), Qt::LeftButton);
        done << QStringLiteral("Add");
        break;
    case 2:
        QTest::mouseClick(list.GetDlgItem(IDC_LIST_REMOVE), Qt::LeftButton);
        done << QStringLiteral("Remove");
        break;
    case 3:
        QTest::mouseClick(list.GetDlgItem(IDCANCEL), Qt::LeftButton);
        done << QStringLiteral("Cancel");
        break;
    case 4:
        QTest::keyClick(name, Qt::Key_Return);
        done << QStringLiteral("Enter");
        break;
    case 5:
        QTest::keyClick(&list, Qt::Key_Escape);
        done << QStringLiteral("Esc");
        break;
    default:
        list.close();
        done << QStringLiteral("close box");
        break;
    }
}

// An entry of the window menu: About, Print, Move or Minimize; a minimized
// window is restored as the desktop would. Close is left to Restart.
QString Monkey::SystemMenuEntry()
{
    QList<QAction*> entries;
    for (QAction* action : m_dialog->SystemMenu()->actions()) {
        if (!action->isSeparator() && action->data().toUInt() != SC_CLOSE)
            entries << action;
    }
    QAction* entry = entries.at(m_random.bounded(int(entries.size())));
    const bool escape = m_random.bounded(2) == 0;
    ModalAnswerer answerer(m_dialog->m_nPaintingNs, [escape](QWidget* modal) {
        if (auto* about = qobject_cast<CAboutDlg*>(modal)) {
            if (escape)
                QTest::keyClick(about, Qt::Key_Escape);
            else
                QTest::mouseClick(about->OkButton(), Qt::LeftButton);
        } else if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
            print->reject();
        }
    });
    entry->trigger();
    m_nUserNs = answerer.UserNs();
    if (m_dialog->isMinimized())
        m_dialog->showNormal();
    QString what = QStringLiteral("menu %1").arg(entry->text().remove(u'&'));
    if (entry->data().toUInt() == IDM_ABOUTBOX)
        what += QStringLiteral(", closed with %1").arg(escape ? "Esc" : "OK");
    return what;
}

QString Monkey::CloseHelpWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QTextBrowser*>(window) && window->isVisible())
            window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return QStringLiteral("close Help");
}

// Esc or the menu closes the window; the program starts again with the same settings,
// and must list the same persons.
QString Monkey::Restart()
{
    const QStringList persons = m_dialog->m_arrPersons;
    const bool escape = m_random.bounded(2) == 0;
    if (escape) {
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    } else {
        for (QAction* action : m_dialog->SystemMenu()->actions()) {
            if (!action->isSeparator() && action->data().toUInt() == SC_CLOSE)
                action->trigger();
        }
    }
    const bool closed = !m_dialog->isVisible();
    OpenWindow();
    if (!closed)
        m_unexpected << QStringLiteral("the window stayed open");
    if (m_dialog->m_arrPersons != persons)
        m_unexpected << QStringLiteral("after restart the persons are %1, not %2").arg(m_dialog->m_arrPersons.join(u'|'), persons.join(u'|'));
    return QStringLiteral("restart (closed with %1, then a new window)").arg(escape ? "Esc" : "the menu");
}

QString Monkey::BrokenRule() const
{
    const CBiorhythmDlg& dialog = *m_dialog;
    const CCalendarPanel& calendar = *dialog.m_pCalendar;
    const int year = calendar.m_nYear;
    const int month = calendar.m_nMonth;
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12)
        return QStringLiteral("the calendar shows %1-%2").arg(year).arg(month);
    const int length = DaysInMonth(month, year);
    if (calendar.m_nDay < 0 || calendar.m_nDay > length)
        return QStringLiteral("day %1 is selected in %2-%3").arg(calendar.m_nDay).arg(year).arg(month);
    const CRect selected = calendar.SelectedRect();
    if (calendar.m_nDay != 0 && selected != CCalendarPanel::CellRect(calendar.CellOfDay(calendar.m_nDay)))
        return QStringLiteral("day %1 is selected, but another cell is framed").arg(calendar.m_nDay);
    int mark1 = 0;
    int mark2 = 0;
    calendar.GetMarkedDays(&mark1, &mark2);
    if (mark1 < 0 || mark1 > length || mark2 < 0 || mark2 > length)
        return QStringLiteral("marks on days %1 and %2 of %3-%4").arg(mark1).arg(mark2).arg(year).arg(month);
    if (PanelSelector(IDC_CALENDAR_MONTH).GetCurSel() != month - 1
        || PanelSelector(IDC_CALENDAR_YEAR).GetCurSel() != year - kFirstYear)
        return QStringLiteral("the panel's selectors do not show %1-%2").arg(year).arg(month);

    const QStringList& persons = dialog.m_arrPersons;
    const CColorComboBox& names = dialog.m_comboPersons;
    if (persons.size() != names.GetCount() || persons.size() > kMaxPersons + 1 || persons.value(0) != kPlaceholderEntry)
        return QStringLiteral("%1 persons, %2 names").arg(persons.size()).arg(names.GetCount());
    for (int i = 0; i < names.GetCount(); ++i) {
        if (names.GetLBText(i) != PersonName(persons.at(i)))
            return QStringLiteral("name %1 shows \"%2\" for \"%3\"").arg(i).arg(names.GetLBText(i), persons.at(i));
    }
    const int chosen = names.GetCurSel();
    if (chosen < 0 || chosen >= names.GetCount())
        return QStringLiteral("name %1 is chosen").arg(chosen);
    // The List command takes a chosen person's date as the birth date.
    if (chosen > 0) {
        const PersonBirthDate birth = ReadBirthDate(persons.at(chosen));
        if (std::tuple(birth.day, birth.month, birth.year)
            != std::tuple(int(dialog.m_nBirthDay), int(dialog.m_nBirthMonth), int(dialog.m_nBirthYear)))
            return QStringLiteral("\"%1\" is chosen, but another birth date is shown").arg(persons.at(chosen));
    }

    using CompareStep = CBiorhythmDlg::CompareStep;
    const CompareStep step = dialog.m_nCompareStep;
    if (step != CompareStep::None && step != CompareStep::FirstSaved && step != CompareStep::BothFixed)
        return QStringLiteral("comparison step %1").arg(int(step));
    if (dialog.m_bAwaitSecondDate != (step == CompareStep::FirstSaved))
        return QStringLiteral("comparison step %1, second date awaited: %2").arg(int(step)).arg(dialog.m_bAwaitSecondDate);
    if (dialog.m_bCompareMode && (step != CompareStep::BothFixed || dialog.m_nBirthYear == 0 || dialog.m_nBirthYear1 == 0))
        return QStringLiteral("comparing at step %1").arg(int(step));
    if (dialog.IsTimerRunning(IDT_SCAN) && (dialog.m_bCompareMode || dialog.m_nBirthYear == 0))
        return QStringLiteral("walking while comparing or without a birth date");
    if (calendar.CurrentMonthMode() != dialog.m_bCurrentMonthMode)
        return QStringLiteral("current-month mode differs between the window and the panel");
    const int views = dialog.m_comboRhythms.GetCount();
    if (views != (dialog.m_bCompareMode ? 1 : 3))
        return QStringLiteral("%1 views, comparing: %2").arg(views).arg(dialog.m_bCompareMode);
    if (dialog.m_comboRhythms.GetCurSel() < 0 || dialog.m_comboRhythms.GetCurSel() >= views)
        return QStringLiteral("view %1 is chosen").arg(dialog.m_comboRhythms.GetCurSel());
    if (dialog.m_nLongCycleSegment < -1 || dialog.m_nLongCycleSegment >= int(LongCycleBoundaries.size()))
        return QStringLiteral("long-cycle segment %1").arg(dialog.m_nLongCycleSegment);
    if (m_nWalkTicks >= kLongestWalk)
        return QStringLiteral("the walk goes on after %1 ticks").arg(m_nWalkTicks);

    // A birth date is unset, or a day of the calendar not after today.
    for (const auto& [day, month, year] : { std::tuple { dialog.m_nBirthDay, dialog.m_nBirthMonth, dialog.m_nBirthYear },
             std::tuple { dialog.m_nBirthDay1, dialog.m_nBirthMonth1, dialog.m_nBirthYear1 } }) {
        const QDate birth(year, month, day);
        if (year != 0 && (!birth.isValid() || birth > m_today || year < kFirstYear))
            return QStringLiteral("birth date %1-%2-%3").arg(year).arg(month).arg(day);
    }

    if (QApplication::activeModalWidget())
        return QStringLiteral("a modal box stays open");
    // Each change of the list is saved at once.
    if (m_bPersonsChanged && StoredPersons() != persons)
        return QStringLiteral("the stored list differs from the persons shown");
    return {};
}

QString Monkey::State() const
{
    const CBiorhythmDlg& dialog = *m_dialog;
    const CCalendarPanel& calendar = *dialog.m_pCalendar;
    int mark1 = 0;
    int mark2 = 0;
    calendar.GetMarkedDays(&mark1, &mark2);
    return QString::asprintf("%d-%d day %d, marks %d/%d%s, birth %d-%d-%d, saved %d-%d-%d, step %d, view %d%s%s%s",
        calendar.m_nYear, calendar.m_nMonth, calendar.m_nDay, mark1, mark2, calendar.ShowMarks() ? "" : " hidden",
        dialog.m_nBirthYear, dialog.m_nBirthMonth, dialog.m_nBirthDay, dialog.m_nBirthYear1, dialog.m_nBirthMonth1,
        dialog.m_nBirthDay1, int(dialog.m_nCompareStep), dialog.m_comboRhythms.GetCurSel(),
        dialog.m_bCompareMode ? ", comparing" : "", dialog.m_bCurrentMonthMode ? ", current month" : "",
        dialog.IsTimerRunning(IDT_SCAN) ? ", walking" : "");
}

QString Monkey::Failure(int index, const QString& what) const
{
    return QStringLiteral("seed %1 (today %2), action %3: %4\nreplay with RYVANTA_MONKEY_SEED=%1 RYVANTA_MONKEY_ACTIONS=%5\nlast actions:\n  %6")
        .arg(m_seed)
        .arg(m_today.toString(Qt::ISODate))
        .arg(index)
        .arg(what)
        .arg(index + 1)
        .arg(m_log.join(QLatin1String("\n  ")));
}

QString Monkey::Summary() const
{
    return QStringLiteral("seed %1 (today %2): %3 actions, slowest %4 ms: %5")
        .arg(m_seed)
        .arg(m_today.toString(Qt::ISODate))
        .arg(m_nDone)
        .arg(m_nSlowestMs)
        .arg(m_strSlowest);
}

QtMessageHandler g_previousHandler = nullptr;

// A warning is a fault found like any other; only the offscreen platform's
// word that it cannot raise the Help window is expected.
void CatchWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support raise()"))
        return;
    if (g_pMonkey && type != QtDebugMsg && type != QtInfoMsg)
        g_pMonkey->Warned(message);
    g_previousHandler(type, context, message);
}

#ifdef RYVANTA_SANITIZED
void TellSanitizerDeath()
{
    if (g_pMonkey)
        fprintf(stderr, "%s\n", qPrintable(g_pMonkey->Failure(g_pMonkey->ActionUnderWay(), QStringLiteral("the sanitizer stopped the run"))));
}
#endif

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyActionKeepsTheWindowSound_data();
    void everyActionKeepsTheWindowSound();
};

void TestMonkey::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(CatchWarnings);
#ifdef RYVANTA_SANITIZED
    __sanitizer_set_death_callback(TellSanitizerDeath);
#endif
}

void TestMonkey::everyActionKeepsTheWindowSound_data()
{
    QTest::addColumn<quint32>("seed");
    const int only = EnvironmentNumber("RYVANTA_MONKEY_SEED", 0);
    for (int seed = only ? only : 1; seed <= (only ? only : kSeeds); ++seed)
        QTest::addRow("seed %d", seed) << quint32(seed);
}

void TestMonkey::everyActionKeepsTheWindowSound()
{
    QFETCH(quint32, seed);
    const int actions = EnvironmentNumber("RYVANTA_MONKEY_ACTIONS", kActionsPerSeed);

    QList<QPair<int, qint64>> slow;
    {
        Monkey monkey(seed);
        const QString failure = monkey.Play(actions);
        if (!failure.isEmpty())
            QFAIL(qPrintable(failure));
        qInfo("%s", qPrintable(monkey.Summary()));
        slow = monkey.SlowActions();
    }
    // Timed again in a replay, so that a passing hiccup is forgiven.
    for (const auto& [index, elapsed] : slow.mid(0, 3)) {
        const qint64 again = Monkey(seed).TimeAction(index);
        if (again > kHandlerLimitMs * kSlowdown) {
            Monkey monkey(seed);
            monkey.Play(index + 1);
            QFAIL(qPrintable(monkey.Failure(index, QStringLiteral("took %1 ms, and %2 ms again").arg(elapsed).arg(again))));
        }
    }
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
