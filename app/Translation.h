// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The language of the program's catalogue to use for languages the user
// reads, most wanted first, as QLocale::uiLanguages() gives them ("de-DE",
// "pt-BR"): the catalogue's own name ("de", "pt_BR"), or "" when English
// comes before any language the program is translated into.
QString CatalogueLanguage(const QStringList& uiLanguages);

// Installs the program's catalogue and Qt's own for the system's languages
// into the running application. For English, or a language without a
// catalogue, nothing is installed and every text stays as it is written.
void InstallTranslations();

// The locale of the installed catalogue, whose month and weekday names,
// date order and decimal sign the translated texts use; nullptr while the
// program speaks English, so every English text stays as it always was.
const QLocale* TranslatedLocale();

// Sets the language as InstallTranslations does, for one named catalogue
// ("de", "pt_BR"); "" goes back to English. Earlier catalogues are removed.
// Without a running application the program's catalogue is loaded all the
// same, for Translated, and installed by the next call once one runs.
void InstallTranslations(const QString& language);

// The catalogue's name in use ("de", "pt_BR"), "" for English.
QString TranslatedLanguage();

// QCoreApplication::translate, also before any application runs: the
// headless commands read their options and write their faults without one.
QString Translated(const char* context, const char* sourceText, const char* disambiguation = nullptr, int n = -1);
