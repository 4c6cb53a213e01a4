// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "language/language.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Entry {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished" or "obsolete" where the translation is not in use
};

// The messages of a .ts file, with their translations.
QList<Entry> entriesOf(const QString &tsFile)
{
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(tsFile));
    QList<Entry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            entries.append({context, xml.readElementText(), {}, {}});
        } else if (xml.name() == QLatin1String("translation") && !entries.isEmpty()) {
            entries.last().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(tsFile), qPrintable(xml.errorString()));
    return entries;
}

// The committed translations, by language: kaludnik_<language>.ts.
QMap<QString, QString> committedTranslations()
{
    QMap<QString, QString> files;
    const QDir dir(QStringLiteral(KALUDNIK_TRANSLATIONS_DIR));
    for (const QString &name : dir.entryList({QStringLiteral("kaludnik_*.ts")}, QDir::Files))
        files.insert(name.mid(9, name.size() - 12), dir.filePath(name));
    return files;
}

// "%1", "%L2": the placeholders a text fills in, each as often as it occurs.
QStringList placeholdersOf(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?[0-9]+"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyLanguageHasEveryMessage_data();
    void everyLanguageHasEveryMessage();
    void languageChoice_data();
    void languageChoice();
    void languagesFromTheEnvironment_data();
    void languagesFromTheEnvironment();
    void everyTranslationIsBuiltIn();
};

void TranslationsTest::everyLanguageHasEveryMessage_data()
{
    QTest::addColumn<QString>("tsFile");
    const QMap<QString, QString> files = committedTranslations();
    for (auto file = files.begin(); file != files.end(); ++file)
        QTest::newRow(qPrintable(file.key())) << file.value();
}

// Each translation has every message translated and in use, and fills in what its English text
// fills in (translations_current checks that the messages are the program's). Its typed title
// frames are the prefixes of its 9-letter title, which begins with the fixed frames' "Ka lu".
void TranslationsTest::everyLanguageHasEveryMessage()
{
    QFETCH(QString, tsFile);
    const QList<Entry> entries = entriesOf(tsFile);
    QMap<qsizetype, QString> frames; // by the length of the English frame
    for (const Entry &entry : entries) {
        const QString what = entry.context + QStringLiteral(": ") + entry.source;
        QVERIFY2(entry.type.isEmpty() && !entry.translation.isEmpty(), qPrintable(what));
        QVERIFY2(placeholdersOf(entry.translation) == placeholdersOf(entry.source),
                 qPrintable(what + QStringLiteral(" → ") + entry.translation));
        if (entry.context == QLatin1String("Board") &&
            entry.source.startsWith(QLatin1String("Ka lum")))
            frames.insert(entry.source.size(), entry.translation);
    }
    const QString title = frames.value(9);
    QVERIFY2(title.size() == 9 && title.startsWith(QLatin1String("Ka lu")), qPrintable(title));
    for (qsizetype letters = 6; letters < 9; ++letters)
        QCOMPARE(frames.value(letters), title.left(letters));
}

void TranslationsTest::languageChoice_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("expected");

    // The names as locales, LANGUAGE and QLocale's tags write them: a name counts by its
    // language alone.
    const QStringList czech{"cs", "cs-Latn-CZ", "cs-CZ"};
    const QStringList english{"en", "en-Latn-US", "en-US"};
    QTest::newRow("cs") << czech << "cs";
    QTest::newRow("cs:en") << czech + english << "cs";
    QTest::newRow("en:cs") << english + czech << "en";
    QTest::newRow("de") << QStringList{"de", "de-Latn-DE", "de-DE"} << "de";
    QTest::newRow("fr") << QStringList{"fr", "fr-Latn-FR", "fr-FR"} << "en";
    QTest::newRow("de_AT:cs") << QStringList{"de-AT", "de-Latn-AT"} + czech << "de";
    QTest::newRow("one without, then Czech") << QStringList{"sk", "cs"} << "cs";
    QTest::newRow("underscore form") << QStringList{"cs_CZ"} << "cs";
    QTest::newRow("upper case") << QStringList{"CS"} << "cs";
    QTest::newRow("not a prefix match") << QStringList{"csb", "en"} << "en";
    QTest::newRow("nothing") << QStringList{} << "en";
}

void TranslationsTest::languageChoice()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, expected);
    QCOMPARE(chooseLanguage(languages, {QStringLiteral("cs"), QStringLiteral("de")}), expected);
}

void TranslationsTest::languagesFromTheEnvironment_data()
{
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as gettext reads them, and the language chosen.
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("expected");
    QTest::newRow("LANGUAGE first") << QStringList{"cs", "", "", "de_DE.UTF-8"} << "cs";
    QTest::newRow("in order") << QStringList{"fr:de:cs", "", "", "cs_CZ.UTF-8"} << "de";
    QTest::newRow("none translated") << QStringList{"xx:zz", "", "", "de_DE.UTF-8"} << "en";
    QTest::newRow("no LANGUAGE") << QStringList{"", "", "de_AT.UTF-8", "cs_CZ"} << "de";
    QTest::newRow("LC_ALL over LANG") << QStringList{"", "cs_CZ.UTF-8", "", "de_DE"} << "cs";
    QTest::newRow("C locale") << QStringList{"de", "C", "", "cs_CZ.UTF-8"} << "en";
    QTest::newRow("POSIX locale") << QStringList{"cs", "", "POSIX", ""} << "en";
    QTest::newRow("no locale") << QStringList{"cs", "", "", ""} << "en";
    QTest::newRow("C.UTF-8 reads it") << QStringList{"cs", "C.UTF-8", "", ""} << "cs";
    QTest::newRow("a codeset") << QStringList{"cs.UTF-8", "", "", "de_DE.UTF-8"} << "cs";
    QTest::newRow("a modifier") << QStringList{"de@euro", "", "", "cs_CZ.UTF-8"} << "de";
    QTest::newRow("both, and a region")
        << QStringList{"de_AT.UTF-8@euro", "", "", "C.UTF-8"} << "de";
}

void TranslationsTest::languagesFromTheEnvironment()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, expected);
    QCOMPARE(chooseLanguage(
                 messageLanguages(environment[0], environment[1], environment[2], environment[3]),
                 {QStringLiteral("cs"), QStringLiteral("de")}),
             expected);
}

// Every committed translation is built into the program, and loads.
void TranslationsTest::everyTranslationIsBuiltIn()
{
    QCOMPARE(translatedLanguages(), committedTranslations().keys());
    for (const QString &language : translatedLanguages()) {
        QTranslator translator;
        QVERIFY2(useLanguage(translator, language), qPrintable(language));
        QVERIFY(!translator.translate("MainWindow", "New Game").isEmpty());
    }
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
