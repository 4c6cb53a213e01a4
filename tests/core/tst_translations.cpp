// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "language/language.h"

#include <QFile>
#include <QLocale>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

using Message = std::pair<QString, QString>; // context, English source text

// Every message of the program, as lupdate found it in the sources, from a committed .ts file.
QSet<Message> messagesOf(const QString &tsFile)
{
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(tsFile));
    QSet<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.insert({context, xml.readElementText()});
    }
    return messages;
}

QString tsFile(const char *language)
{
    return QStringLiteral(KALUDNIK_TRANSLATIONS_DIR "/kaludnik_%1.ts").arg(QLatin1String(language));
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyText_data();
    void everyText();
    void everyMessageIsListed();
    void languageChoice_data();
    void languageChoice();
    void languageOfThisRunFollowsTheEnvironment();

private:
    QTranslator m_czech;
};

void TranslationsTest::initTestCase()
{
    QVERIFY(m_czech.load(QStringLiteral(":/i18n/kaludnik_cs.qm")));
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
    {"ScoreWindow", "Enter your name", "Zadej jméno"},
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
    QCOMPARE(messagesOf(tsFile("cs")), listed);
}

void TranslationsTest::languageChoice_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Czech only") << QStringList{"cs-CZ", "cs"} << "cs";
    QTest::newRow("Czech before English") << QStringList{"cs", "en-US"} << "cs";
    QTest::newRow("English before Czech") << QStringList{"en-GB", "cs-CZ"} << "en";
    QTest::newRow("English only") << QStringList{"en-US"} << "en";
    QTest::newRow("a language without translation") << QStringList{"fr-FR", "fr"} << "en";
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
    QCOMPARE(chooseLanguage(uiLanguages, {QStringLiteral("cs")}), expected);
}

// Run once for each language in LANGUAGE: the translation built into the program is the one
// loaded, English needs none.
void TranslationsTest::languageOfThisRunFollowsTheEnvironment()
{
    const QString requested = qEnvironmentVariable("LANGUAGE");
    if (requested.isEmpty())
        QSKIP("run through CTest, which sets LANGUAGE");
    QCOMPARE(translatedLanguages(), (QStringList{QStringLiteral("cs"), QStringLiteral("de")}));
    QTranslator translator;
    QCOMPARE(loadTranslation(translator, QLocale::system().uiLanguages()), requested != "en");
    if (requested == QLatin1String("cs"))
        QCOMPARE(translator.translate("MainWindow", "New Game"), QStringLiteral("Nová hra"));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
