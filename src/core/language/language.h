// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// The program's own language is English; the others are those it has translations for, built
// into it as :/i18n/kaludnik_<language>.qm.

// Of `uiLanguages` in their order (as QLocale::uiLanguages() gives the user's, from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG), the first that is English or one of `translated`, as a
// two-letter code ("cs"); English when none is.
QString chooseLanguage(const QStringList &uiLanguages, const QStringList &translated);

// The languages the program has translations for.
QStringList translatedLanguages();

// The language the program speaks to a user of `uiLanguages`: chooseLanguage() among those it
// has.
QString programLanguage(const QStringList &uiLanguages);

// Loads into `translator` the program's translation into `language`, a code that
// programLanguage() gave; false, with nothing loaded, for English.
bool loadTranslation(QTranslator &translator, const QString &language);
