// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDlg.h"
#include "app/BiorhythmDlg.h"
#include "app/Strings.h"
#include "app/Translation.h"
#include "calendar/CalendarPanel.h"
#include "chart/ChartLayout.h"
#include "controls/Narrowing.h"
#include "persons/ListDlg.h"
#include "platform/Window.h"
#include "res/ResourceIds.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {

struct Message { QString context, source, translation; };

QStringList Languages()
{
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(RYVANTA_SOURCE_DIR "/translations")).entryList({ "ryvanta_*.ts" }))
        languages << file.mid(8).chopped(3);
    return languages;
}

// The catalogue as the translators wrote it; plural messages are never
// drawn in a box and are left out.
QList<Message> ReadCatalogue(const QString& language)
{
    QFile file(QStringLiteral(RYVANTA_SOURCE_DIR "/translations/ryvanta_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.append({ context, xml.readElementText(), {} });
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty())
            messages.last().translation = xml.readElementText(QXmlStreamReader::SkipChildElements);
    }
    return messages;
}

// The window and its dialogs in one language, made once for all its texts.
struct Windows
{
    explicit Windows(const QString& language)
    {
        InstallTranslations(language);
        dialog = std::make_unique<CBiorhythmDlg>();
        list = std::make_unique<CListDlg>(dialog.get());
        about = std::make_unique<CAboutDlg>(dialog.get());
    }
    std::unique_ptr<CBiorhythmDlg> dialog;
    std::unique_ptr<CListDlg> list;
    std::unique_ptr<CAboutDlg> about;
};

QWidget* ChildShowing(QWidget& parent, const QString& text)
{
    for (QWidget* child : parent.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(child);
        const auto* button = qobject_cast<QPushButton*>(child);
        if ((label && label->text() == text) || (button && button->text() == text))
            return child;
    }
    return nullptr;
}

// A drawn text's room, and whether its control narrows a text that does
// not fit.
struct Drawn
{
    TextRoom room;
    bool narrows = false;
};

Drawn RoomOf(QWidget* widget, const QString& text, bool narrows, int margin = 0)
{
    return { { nullptr, text, widget->font(), widget->width() - margin }, narrows };
}

// The widest date a label can show: the longest month name, two-digit day.
QString WidestDate(QString (*format)(int, int, int), const QFont& font)
{
    QString widest;
    for (int month = 1; month <= 12; ++month) {
        const QString date = format(28, month, 1988);
        if (QFontMetrics(font).horizontalAdvance(date) > QFontMetrics(font).horizontalAdvance(widest))
            widest = date;
    }
    return widest;
}

// Where a catalogue text is drawn in a box of fixed width; nothing for
// message boxes, tooltips, menus and the other texts that take the room
// they need.
std::optional<Drawn> DrawnRoom(Windows& windows, const Message& message)
{
    CBiorhythmDlg& dialog = *windows.dialog;
    const QString& context = message.context;
    const QString& text = message.translation;
    const bool oneLine = !message.source.contains(QLatin1Char('\n'));
    if (oneLine && message.source.startsWith(QLatin1Char(' ')) && QStringList { "Modes", "Persons", "CriticalDays" }.contains(context))
        return RoomOf(&dialog.m_staticHelp, text, true);
    if (context == QLatin1String("Modes") && message.source.startsWith(QLatin1String("Birth date:"))) {
        // The second person's label, numbered and dated; where the number
        // stands does not change the width.
        const QString label = text.trimmed() + QStringLiteral(" 2 ") + WidestDate(NumericDateText, dialog.m_staticBirth2.font());
        return Drawn { { nullptr, label, dialog.m_staticBirth2.font(), CFramedLabel::TextRoom() }, true };
    }
    if (context == QLatin1String("Persons") && message.source.startsWith(QLatin1String("Birth date: "))) {
        QWidget* info = windows.list->GetDlgItem(IDC_LIST_INFO);
        return RoomOf(info, text.arg(WidestDate(LongDateText, info->font())).trimmed(), false);
    }
    if (context == QLatin1String("Persons") && message.source == QLatin1String("(Name)"))
        return Drawn { { nullptr, text, dialog.m_comboPersons.TextFont(), dialog.m_comboPersons.TextArea().width() }, true };
    if (context == QLatin1String("Chart")) {
        for (int index = 0; index < dialog.m_comboRhythms.GetCount(); ++index) {
            if (dialog.m_comboRhythms.GetLBText(index) == text)
                return Drawn { { nullptr, text, dialog.m_comboRhythms.TextFont(), dialog.m_comboRhythms.TextArea().width() }, true };
        }
        for (const auto& rooms : { MonthViewTextRooms(), YearViewTextRooms() }) {
            for (const TextRoom& room : rooms) {
                if (room.source && message.source == QLatin1String(room.source))
                    return Drawn { room, true };
            }
        }
    }
    if (context == QLatin1String("Buttons")) {
        for (CIconButton* button : { &dialog.m_btnHelp, &dialog.m_btnList }) {
            if (GetWindowText(button) == text)
                return Drawn { { nullptr, text, button->CaptionFont(text).ToQFont(), button->CaptionRoom() } };
        }
    }
    if (context == QLatin1String("Window") && message.source == QLatin1String("Tools"))
        return RoomOf(&dialog.m_staticTools, text, true);
    if (context == QLatin1String("Window") && message.source == QLatin1String("(Time)"))
        return Drawn { { nullptr, text, dialog.m_staticTime.font(), CFramedLabel::TimeRoom() }, true };
    // The dialogs' titles are the window frame's, which takes what it needs.
    QWidget* dialogBox = context == QLatin1String("List") ? static_cast<QWidget*>(windows.list.get())
        : context == QLatin1String("About")               ? windows.about.get()
                                                          : nullptr;
    if (dialogBox && dialogBox->windowTitle() != text) {
        const QString shown = text.contains(QLatin1String("%1")) ? text.arg(QStringLiteral(RYVANTA_VERSION)) : text;
        if (QWidget* child = ChildShowing(*dialogBox, shown)) {
            const QStyle* style = child->style();
            const int margins = qobject_cast<QPushButton*>(child)
                ? style->pixelMetric(QStyle::PM_ButtonMargin) + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth)
                : 0;
            return Drawn { { nullptr, shown, child->font(), child->width() - margins } };
        }
    }
    return std::nullopt;
}

// The width a text takes once narrowed as far as its control narrows it.
int DrawnWidth(const Drawn& drawn)
{
    QFont font = drawn.room.font;
    if (drawn.narrows) {
        if (const std::optional<int> stretch = StretchToFit(font, drawn.room.text, drawn.room.room))
            font.setStretch(*stretch);
    }
    return QFontMetrics(font).horizontalAdvance(drawn.room.text);
}

QByteArray Report(const QString& language, const QString& format)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), language);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RYVANTA_PROGRAM), { "report", "--birth", "1980-06-15", "--month", "2026-12", "--format", format });
    process.waitForFinished();
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { InstallTranslations(QString()); }
    void windowStartsInLanguage_data();
    void windowStartsInLanguage();
    void translatedTextsFit_data();
    void translatedTextsFit();
    void reportInGerman();
};

void TestLanguages::windowStartsInLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : Languages())
        QTest::newRow(qPrintable(language)) << language;
}

// Reads back what the window shows against what the catalogue and the
// locale say, and leaves a picture of it for a person to look at.
void TestLanguages::windowStartsInLanguage()
{
    QFETCH(QString, language);
    InstallTranslations(language);
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(":/i18n/ryvanta_%1.qm").arg(language)));
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const char* helpLine = "        Insert date of birth into the calendar  [M-Y-D] and press \"< > \" button to start.";
    QCOMPARE(GetWindowText(&dialog.m_staticHelp), catalogue.translate("Modes", helpLine));
    QCOMPARE(dialog.m_ToolTip.GetText(dialog.GetDlgItem(IDC_INFO)),
        catalogue.translate("Strings", "Biorhythms info for  given day of tiredness"));
    QString december = QLocale(language).standaloneMonthName(12);
    december[0] = december[0].toUpper();
    QCOMPARE(dialog.m_pCalendar->TextRooms().at(11).text, december + QStringLiteral(" 2026"));

    dialog.grab().save(QStringLiteral(RYVANTA_SHOT_DIR "/window_%1.png").arg(language));
}

void TestLanguages::translatedTextsFit_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("room");
    for (const QString& language : Languages()) {
        Windows windows(language);
        for (const Message& message : ReadCatalogue(language)) {
            if (const std::optional<Drawn> drawn = DrawnRoom(windows, message))
                QTest::addRow("%s %s: %s", qPrintable(language), qPrintable(message.context), qPrintable(drawn->room.text))
                    << DrawnWidth(*drawn) << drawn->room.room;
        }
        // The year chart narrows a month's name, the calendar a weekday's.
        for (const auto& [rooms, narrows] : { std::pair { windows.dialog->m_pCalendar->TextRooms(), true },
                 std::pair { YearViewTextRooms(), true } }) {
            for (const TextRoom& room : rooms) {
                if (!room.source)
                    QTest::addRow("%s locale: %s", qPrintable(language), qPrintable(room.text))
                        << DrawnWidth({ room, narrows }) << room.room;
            }
        }
    }
    InstallTranslations(QString());
}

void TestLanguages::translatedTextsFit()
{
    QFETCH(int, width);
    QFETCH(int, room);
    QVERIFY2(width <= room, qPrintable(QStringLiteral("%1 px wide in %2 px").arg(width).arg(room)));
}

// The text speaks German with its decimal comma; the JSON is for programs
// and stays what it is in English.
void TestLanguages::reportInGerman()
{
    const QString text = QString::fromUtf8(Report(QStringLiteral("de"), QStringLiteral("text")));
    QVERIFY2(text.startsWith(QStringLiteral("Biorhythmen")), qPrintable(text.left(80)));
    QVERIFY(text.contains(QStringLiteral("Grenztage des langen Zyklus")));
    QVERIFY(text.contains(QStringLiteral("      0,67")));
    const QByteArray json = Report(QStringLiteral("de"), QStringLiteral("json"));
    QVERIFY(!json.isEmpty());
    QCOMPARE(json, Report(QStringLiteral("en"), QStringLiteral("json")));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
