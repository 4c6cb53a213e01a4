// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// The program's own language is English; the others are those it has translations for, built
// into it as :/i18n/kaludnik_<language>.qm.

// The languages that messages are asked in, in order, as gettext reads the environment: the
// locale of messages is `lcAll`, else `lcMessages`, else `lang` (the first not empty). In the
// "C" or "POSIX" locale, or none, that is none: English. Otherwise `language` (LANGUAGE), a list
// separated by colons, names them where it is not empty, and the locale alone where it is.
QStringList messageLanguages(const QString &language, const QString &lcAll,
                             const QString &lcMessages, const QString &lang);
// The same, from the process's environment.
QStringList messageLanguages();

// Of `languages` in their order ("cs", "cs-CZ", "cs_CZ.UTF-8" or "de@euro"), the first that is
// English or one of `translated`, as a two-letter code ("cs"); English when none is. Only the
// names count: a language is chosen whether or not a locale of it is installed.
QString chooseLanguage(const QStringList &languages, const QStringList &translated);

// The languages the program has translations for.
QStringList translatedLanguages();

// The language the program speaks to a user who asks for `languages` (messageLanguages()):
// chooseLanguage() among those it has.
QString programLanguage(const QStringList &languages);

// Makes `language`, a code that programLanguage() gave, the program's: numbers and dates as it
// writes them (the user's own way where the user's locale is of that language), and its
// translation loaded into `translator`; false, with nothing loaded, for English.
bool useLanguage(QTranslator &translator, const QString &language);
