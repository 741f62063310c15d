// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <optional>

namespace {

QString g_language;
std::optional<QLocale> g_translatedLocale;
// Parented to nothing, so that a later language can replace them.
std::unique_ptr<QTranslator> g_catalogue;
std::unique_ptr<QTranslator> g_qtCatalogue;

const QString kCataloguePath = QStringLiteral(":/i18n/ryvanta_%1.qm");

bool IsEnglish(const QString& language)
{
    // The C and POSIX locales are what an unset environment gives; the texts
    // are written in English.
    return language == QLatin1String("C") || language == QLatin1String("POSIX")
        || language.section(QLatin1Char('_'), 0, 0) == QLatin1String("en");
}

// Qt's catalogue for the program's language, where the system has one.
void InstallQtCatalogue(const QString& language)
{
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_") + language, folder)
        || translator->load(QStringLiteral("qtbase_") + language.section(QLatin1Char('_'), 0, 0), folder)) {
        QCoreApplication::installTranslator(translator.get());
        g_qtCatalogue = std::move(translator);
    }
}

void RemoveCatalogues()
{
    for (std::unique_ptr<QTranslator>* catalogue : { &g_catalogue, &g_qtCatalogue }) {
        if (*catalogue)
            QCoreApplication::removeTranslator(catalogue->get());
        catalogue->reset();
    }
    g_translatedLocale.reset();
    g_language.clear();
}

} // namespace

QString CatalogueLanguage(const QStringList& uiLanguages)
{
    for (QString language : uiLanguages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (IsEnglish(language))
            return {};
        // "pt_BR" has a catalogue of its own; "fr_CA" reads the French one.
        for (const QString& name : { language, language.section(QLatin1Char('_'), 0, 0) }) {
            if (QFile::exists(kCataloguePath.arg(name)))
                return name;
        }
    }
    return {};
}

void InstallTranslations()
{
    InstallTranslations(CatalogueLanguage(QLocale::system().uiLanguages()));
}

void InstallTranslations(const QString& language)
{
    RemoveCatalogues();
    if (language.isEmpty())
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(kCataloguePath.arg(language)))
        return;
    g_catalogue = std::move(translator);
    g_translatedLocale = QLocale(language);
    g_language = language;
    if (QCoreApplication::instance()) {
        QCoreApplication::installTranslator(g_catalogue.get());
        InstallQtCatalogue(language);
    }
}

QString TranslatedLanguage()
{
    return g_language;
}

QString Translated(const char* context, const char* sourceText, const char* disambiguation, int n)
{
    if (QCoreApplication::instance() || !g_catalogue)
        return QCoreApplication::translate(context, sourceText, disambiguation, n);
    QString text = g_catalogue->translate(context, sourceText, disambiguation, n);
    if (text.isEmpty())
        text = QString::fromUtf8(sourceText);
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

const QLocale* TranslatedLocale()
{
    return g_translatedLocale ? &*g_translatedLocale : nullptr;
}
