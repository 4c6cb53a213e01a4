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
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected");

    // As QLocale::uiLanguages() gives them for LANGUAGE=cs, cs:en, en:cs, de, fr and de_AT:cs.
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
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    QCOMPARE(chooseLanguage(uiLanguages, {QStringLiteral("cs"), QStringLiteral("de")}), expected);
}

// Every committed translation is built into the program, and loads.
void TranslationsTest::everyTranslationIsBuiltIn()
{
    QCOMPARE(translatedLanguages(), committedTranslations().keys());
    for (const QString &language : translatedLanguages()) {
        QTranslator translator;
        QVERIFY2(loadTranslation(translator, language), qPrintable(language));
        QVERIFY(!translator.translate("MainWindow", "New Game").isEmpty());
    }
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
