// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "language.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace {

const QString Folder = QStringLiteral(":/i18n/");
const QString Prefix = QStringLiteral("kaludnik_");
const QString Suffix = QStringLiteral(".qm");

} // namespace

QStringList messageLanguages(const QString &language, const QString &lcAll,
                             const QString &lcMessages, const QString &lang)
{
    const QString locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};
    if (!language.isEmpty())
        return language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return {locale};
}

QStringList messageLanguages()
{
    return messageLanguages(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
}

QString chooseLanguage(const QStringList &languages, const QStringList &translated)
{
    const QString english = QStringLiteral("en");
    for (const QString &tag : languages) {
        // "cs", "cs-CZ", "cs_CZ.UTF-8", "de@euro": the language is what comes before the region,
        // the codeset or the modifier.
        static const QRegularExpression rest(QStringLiteral("[-_.@].*"));
        const QString language = QString(tag).remove(rest).toLower();
        if (language == english || translated.contains(language))
            return language;
    }
    return english;
}

QStringList translatedLanguages()
{
    QStringList languages = QDir(Folder).entryList({Prefix + QLatin1Char('*') + Suffix});
    for (QString &file : languages)
        file = file.mid(Prefix.size(), file.size() - Prefix.size() - Suffix.size());
    return languages;
}

QString programLanguage(const QStringList &languages)
{
    return chooseLanguage(languages, translatedLanguages());
}

bool useLanguage(QTranslator &translator, const QString &language)
{
    // The user's locale by its name: its own formats, not those of the system's C library.
    const QLocale user(QLocale::system().name());
    QLocale::setDefault(QLocale::languageToCode(user.language()) == language ? user
                                                                             : QLocale(language));
    return language != QLatin1String("en") && translator.load(Folder + Prefix + language + Suffix);
}
