// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"
#include "app/Translation.h"
#include "platform/Window.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>
#include <QMenu>
#include <QTest>
#include <QTranslator>

namespace {

// Says every text it is asked for in brackets, so that a text that reaches
// the window without passing through translation shows without them.
class BracketTranslator : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("[%1]").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

enum class Place { HelpLine, ToolTip, MenuEntry, ButtonCaption };

QString TextAt(CBiorhythmDlg& dialog, Place place)
{
    switch (place) {
    case Place::HelpLine:
        return GetWindowText(&dialog.m_staticHelp);
    case Place::ToolTip:
        return dialog.m_ToolTip.GetText(dialog.GetDlgItem(IDC_INFO));
    case Place::MenuEntry:
        for (const QAction* action : dialog.SystemMenu()->actions()) {
            if (action->data().toUInt() == IDM_ABOUTBOX)
                return action->text();
        }
        break;
    case Place::ButtonCaption:
        return GetWindowText(dialog.GetDlgItem(IDC_HELP));
    }
    return {};
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT
private slots:
    void catalogueLanguage_data();
    void catalogueLanguage();
    void windowTextsAreTranslated_data();
    void windowTextsAreTranslated();
};

void TestTranslation::catalogueLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QStringList { "de-DE", "de" } << "de";
    QTest::newRow("region of its own") << QStringList { "pt-BR" } << "pt_BR";
    QTest::newRow("region without one") << QStringList { "fr-CA" } << "fr";
    QTest::newRow("first translated") << QStringList { "ja-JP", "ru-RU" } << "ru";
    QTest::newRow("English first") << QStringList { "en-GB", "de-DE" } << "";
    QTest::newRow("C locale") << QStringList { "C" } << "";
    QTest::newRow("untranslated") << QStringList { "ja-JP" } << "";
}

void TestTranslation::catalogueLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QCOMPARE(CatalogueLanguage(uiLanguages), language);
}

void TestTranslation::windowTextsAreTranslated_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<QString>("english");
    QTest::newRow("help line") << Place::HelpLine
                               << "        Insert date of birth into the calendar  [M-Y-D] and press \"< > \" button to "
                                  "start.";
    QTest::newRow("tooltip") << Place::ToolTip << "Biorhythms info for  given day of tiredness";
    QTest::newRow("menu entry") << Place::MenuEntry << "&About ...";
    QTest::newRow("button caption") << Place::ButtonCaption << "Help";
}

void TestTranslation::windowTextsAreTranslated()
{
    QFETCH(Place, place);
    QFETCH(QString, english);
    {
        CBiorhythmDlg dialog;
        QCOMPARE(TextAt(dialog, place), english);
    }
    BracketTranslator translator;
    QCoreApplication::installTranslator(&translator);
    CBiorhythmDlg dialog;
    const QString translated = TextAt(dialog, place);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, QStringLiteral("[%1]").arg(english));
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
