// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "language/language.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

using Message = std::pair<QString, QString>; // context, English source text

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

QSet<Message> messagesOf(const QList<Entry> &entries)
{
    QSet<Message> messages;
    for (const Entry &entry : entries)
        messages.insert({entry.context, entry.source});
    return messages;
}

// Every message of the program, as lupdate finds it in the sources the build hands it.
QSet<Message> foundByLupdate()
{
    QTemporaryDir dir;
    const QString found = dir.filePath(QStringLiteral("found.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lupdate.start(QStringLiteral(KALUDNIK_LUPDATE),
                  {QStringLiteral("@" KALUDNIK_TRANSLATED_SOURCES), QStringLiteral("-ts"), found});
    if (!lupdate.waitForFinished(-1) || lupdate.exitStatus() != QProcess::NormalExit ||
        lupdate.exitCode() != 0)
        qFatal("lupdate failed: %s", qPrintable(lupdate.errorString()));
    return messagesOf(entriesOf(found));
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
    void initTestCase();
    void everyText_data();
    void everyText();
    void everyMessageIsListed();
    void everyLanguageHasEveryMessage_data();
    void everyLanguageHasEveryMessage();
    void languageChoice_data();
    void languageChoice();
    void languageOfThisRunFollowsTheEnvironment();

private:
    QTranslator m_czech;
    QSet<Message> m_found; // by lupdate in the sources
};

void TranslationsTest::initTestCase()
{
    QVERIFY(m_czech.load(QStringLiteral(":/i18n/kaludnik_cs.qm")));
    m_found = foundByLupdate();
    QVERIFY(!m_found.isEmpty());
}

// Every text character for character, blanks included: the letter-spaced score texts, the two
// blanks before the colon of the Czech score line at start, the two blanks after "zero." in
// the English rules, and the three full stops of the English closing wish.
namespace {

struct Text {
    const char *context;
    const char *english;
    const char *czech;
};
const Text Texts[] = {
    {"MainWindow", "New Game", "Nová hra"},
    {"MainWindow", "Help", "Nápověda"},
    {"MainWindow", "About", "O hře"},
    {"MainWindow", "Quit", "Konec"},
    {"MainWindow", "Game Over", "Konec hry"},
    {"MainWindow", "S c o r e : ", "S k ó r e : "},
    {"MainWindow", "S c o r e : 0", "S k ó r e  : 0"},
    {"MainWindow", "Ka lum", "Ka lud"},
    {"MainWindow", "Ka lumb", "Ka ludn"},
    {"MainWindow", "Ka lumbo", "Ka ludni"},
    {"MainWindow", "Ka lumbor", "Ka ludnik"},
    {"MainWindow", "Row %1, column %2", "Řádek %1, sloupec %2"},
    {"MainWindow", "dead", "mrtvé"},
    {"MainWindow", "Score", "Skóre"},
    {"MainWindow", "Open the score table", "Otevřít tabulku skóre"},
    {"MainWindow", "%1. Keys: keypad %2, or %3 on a US keyboard, the same place on others",
     "%1. Klávesy: %2 na numerické klávesnici, nebo %3 na americké klávesnici, na jiných "
     "klávesa na tomtéž místě"},
    {"HelpWindow", "Help", "Nápověda"},
    {"HelpWindow",
     "Click each of the 9 buttons to prevent them counting down to zero.  When you reach "
     "zero, it's game over and you have to start again.",
     "Jde o velice jednoduchou hru. Cílem hry je klikat na tlačítka tak, aby se jejich "
     "hodnota nikdy nesnížila na nulu. Při každém kliknutí se Vám přičte 10 bodů a rychlost "
     "odpočítávání na tlačítku se zvýší o 50ms. Pokud vícekrát za sebou kliknete na jedno "
     "tlačítko přičtou se Vám body pouze za první kliknutí."},
    {"HelpWindow", "...", "Příjemnou zábavu"},
    {"AboutWindow", "About", "O hře"},
    {"ScoreWindow", "Score", "Skóre"},
    {"ScoreWindow", "Your name", "Zadej jméno"},
    {"ScoreWindow", "%1, no result yet", "%1, zatím bez výsledku"},
    {"ScoreWindow", "%1, %2, %3 points, %4", "%1, %2, %3 bodů, %4"},
    {"ScoreWindow", "Close", "Zavřít"},
    {"ScoreWindow", "OK", "OK"},
    {"ScoreWindow", "–", "–"},
    {"ScoreWindow", "A result needs a name.", "Bez jména se výsledek neuloží."},
    {"ScoreWindow", "The result could not be saved; OK tries again.",
     "Výsledek se nepodařilo uložit; OK to zkusí znovu."},
    {"ScoreWindow", "The score file was damaged; it was set aside and a new table begins.",
     "Soubor se skóre byl poškozený, je odložen a začíná nová tabulka."},
    {"ScoreWindow", "The score file cannot be read; results are not saved to it.",
     "Soubor se skóre nejde přečíst; výsledky se do něj neuloží."},
    {"ScoreWindow", "Other games scored higher meanwhile; this one did not fit.",
     "Jiné hry mezitím skórovaly výš; tento výsledek se nevešel."},
    {"FatalErrorMessage",
     "Ka ludnik has met an error it cannot recover from and will now end.\n\n%1",
     "Ka ludnik narazil na chybu, ze které se nemůže zotavit, a nyní skončí.\n\n%1"},
};

} // namespace

void TranslationsTest::everyText_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("czech");
    for (const Text &text : Texts)
        QTest::addRow("%s: %s", text.context, text.english)
            << QString::fromUtf8(text.context) << QString::fromUtf8(text.english)
            << QString::fromUtf8(text.czech);
}

void TranslationsTest::everyText()
{
    QFETCH(QString, context);
    QFETCH(QString, english);
    QFETCH(QString, czech);
    // Found only under the program's own English text, exactly as written here.
    QCOMPARE(m_czech.translate(qPrintable(context), qPrintable(english)), czech);
}

// No text of the program is left out above.
void TranslationsTest::everyMessageIsListed()
{
    QSet<Message> listed;
    for (const Text &text : Texts)
        listed.insert({QString::fromUtf8(text.context), QString::fromUtf8(text.english)});
    QCOMPARE(listed, m_found);
}

void TranslationsTest::everyLanguageHasEveryMessage_data()
{
    QTest::addColumn<QString>("tsFile");
    const QMap<QString, QString> files = committedTranslations();
    for (auto file = files.begin(); file != files.end(); ++file)
        QTest::newRow(qPrintable(file.key())) << file.value();
}

// Each translation has every message the program shows, translated and in use, and fills in
// what its English text fills in. Its typed title frames are the prefixes of its 9-letter
// title, which begins with the fixed frames' "Ka lu".
void TranslationsTest::everyLanguageHasEveryMessage()
{
    QFETCH(QString, tsFile);
    const QList<Entry> entries = entriesOf(tsFile);
    QCOMPARE(messagesOf(entries), m_found); // translations_current shows what differs
    QMap<qsizetype, QString> frames;        // by the length of the English frame
    for (const Entry &entry : entries) {
        const QString what = entry.context + QStringLiteral(": ") + entry.source;
        QVERIFY2(entry.type.isEmpty() && !entry.translation.isEmpty(), qPrintable(what));
        QVERIFY2(placeholdersOf(entry.translation) == placeholdersOf(entry.source),
                 qPrintable(what + QStringLiteral(" → ") + entry.translation));
        if (entry.context == QLatin1String("MainWindow") &&
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

// Run once for each language in LANGUAGE: the translation built into the program is the one
// loaded, English needs none. Every committed translation is built in.
void TranslationsTest::languageOfThisRunFollowsTheEnvironment()
{
    const QString requested = qEnvironmentVariable("LANGUAGE");
    if (requested.isEmpty())
        QSKIP("run through CTest, which sets LANGUAGE");
    QCOMPARE(translatedLanguages(), (QStringList{QStringLiteral("cs"), QStringLiteral("de")}));
    QCOMPARE(translatedLanguages(), committedTranslations().keys());
    QTranslator translator;
    QCOMPARE(loadTranslation(translator, programLanguage(QLocale::system().uiLanguages())),
             requested != "en");
    const QMap<QString, QString> newGame{{QStringLiteral("cs"), QStringLiteral("Nová hra")},
                                         {QStringLiteral("de"), QStringLiteral("Neues Spiel")}};
    if (newGame.contains(requested))
        QCOMPARE(translator.translate("MainWindow", "New Game"), newGame.value(requested));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
