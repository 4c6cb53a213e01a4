#include "text/stringtable.h"

#include <QTest>

class StringTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyText_data();
    void everyText();
    void tableHoldsExactlyTheNumbersInUse();
    void missingNumberIsReportedByNumber_data();
    void missingNumberIsReportedByNumber();
    void languageChoice_data();
    void languageChoice();
    void languageOfThisRunFollowsTheEnvironment();
    void loadTextUsesTheLanguageOfThisRun();
};

void StringTableTest::everyText_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("czech");
    QTest::addColumn<QString>("english");

    QTest::newRow("101 rules")
        << 101
        << QStringLiteral(
               "Jde o velice jednoduchou hru. Cílem hry je klikat na tlačítka tak, aby se jejich "
               "hodnota nikdy nesnížila na nulu. Při každém kliknutí se Vám přičte 10 bodů a "
               "rychlost odpočítávání na tlačítku se zvýší o 50ms. Pokud vícekrát za sebou "
               "kliknete na jedno tlačítko přičtou se Vám body pouze za první kliknutí.")
        << QStringLiteral("Click each of the 9 buttons to prevent them counting down to zero.  "
                          "When you reach zero, it's game over and you have to start again.");
    QTest::newRow("1001 new game")
        << 1001 << QStringLiteral("Nová hra") << QStringLiteral("New Game");
    QTest::newRow("1002 help") << 1002 << QStringLiteral("Nápověda") << QStringLiteral("Help");
    QTest::newRow("1003 about") << 1003 << QStringLiteral("O hře") << QStringLiteral("About");
    QTest::newRow("1004 quit") << 1004 << QStringLiteral("Konec") << QStringLiteral("Quit");
    QTest::newRow("1005 game over")
        << 1005 << QStringLiteral("Konec hry") << QStringLiteral("Game Over");
    QTest::newRow("1006 score prefix")
        << 1006 << QStringLiteral("S k ó r e : ") << QStringLiteral("S c o r e : ");
    QTest::newRow("1008 title 6") << 1008 << QStringLiteral("Ka lud") << QStringLiteral("Ka lum");
    QTest::newRow("1009 title 7") << 1009 << QStringLiteral("Ka ludn") << QStringLiteral("Ka lumb");
    QTest::newRow("1010 title 8") << 1010 << QStringLiteral("Ka ludni")
                                  << QStringLiteral("Ka lumbo");
    QTest::newRow("1011 title 9") << 1011 << QStringLiteral("Ka ludnik")
                                  << QStringLiteral("Ka lumbor");
    QTest::newRow("1012 first score line")
        << 1012 << QStringLiteral("S k ó r e  : 0") << QStringLiteral("S c o r e : 0");
    QTest::newRow("1013 closing wish")
        << 1013 << QStringLiteral("Příjemnou zábavu") << QStringLiteral("...");
    QTest::newRow("2001 cell name")
        << 2001 << QStringLiteral("Řádek %1, sloupec %2") << QStringLiteral("Row %1, column %2");
    QTest::newRow("2002 dead cell") << 2002 << QStringLiteral("mrtvé") << QStringLiteral("dead");
    QTest::newRow("2003 score name") << 2003 << QStringLiteral("Skóre") << QStringLiteral("Score");
    QTest::newRow("2004 fatal error")
        << 2004
        << QStringLiteral("Ka ludnik narazil na chybu, ze které se nemůže zotavit, a nyní skončí."
                          "\n\n%1")
        << QStringLiteral("Ka ludnik has met an error it cannot recover from and will now end."
                          "\n\n%1");
    QTest::newRow("2010 score title") << 2010 << QStringLiteral("Skóre") << QStringLiteral("Score");
    QTest::newRow("2011 name hint")
        << 2011 << QStringLiteral("Zadej jméno") << QStringLiteral("Enter your name");
    QTest::newRow("2012 close") << 2012 << QStringLiteral("Zavřít") << QStringLiteral("Close");
    QTest::newRow("2013 confirm") << 2013 << QStringLiteral("OK") << QStringLiteral("OK");
    QTest::newRow("2014 empty name") << 2014 << QStringLiteral("Bez jména se výsledek neuloží.")
                                     << QStringLiteral("A result needs a name.");
    QTest::newRow("2015 not saved")
        << 2015 << QStringLiteral("Výsledek se nepodařilo uložit; OK to zkusí znovu.")
        << QStringLiteral("The result could not be saved; OK tries again.");
    QTest::newRow("2016 set aside")
        << 2016
        << QStringLiteral("Soubor se skóre byl poškozený, je odložen a začíná nová tabulka.")
        << QStringLiteral("The score file was damaged; it was set aside and a new table begins.");
    QTest::newRow("2017 no result") << 2017 << QStringLiteral("–") << QStringLiteral("–");
    QTest::newRow("2018 opens the table") << 2018 << QStringLiteral("Otevřít tabulku skóre")
                                          << QStringLiteral("Open the score table");
    QTest::newRow("2019 unreadable file")
        << 2019 << QStringLiteral("Soubor se skóre nejde přečíst; výsledky se do něj neuloží.")
        << QStringLiteral("The score file cannot be read; results are not saved to it.");
    QTest::newRow("2020 outscored")
        << 2020 << QStringLiteral("Jiné hry mezitím skórovaly výš; tento výsledek se nevešel.")
        << QStringLiteral("Other games scored higher meanwhile; this one did not fit.");
}

void StringTableTest::everyText()
{
    QFETCH(int, number);
    QFETCH(QString, czech);
    QFETCH(QString, english);
    QCOMPARE(StringTable::text(TextId(number), Language::Czech), czech);
    QCOMPARE(StringTable::text(TextId(number), Language::English), english);
}

void StringTableTest::tableHoldsExactlyTheNumbersInUse()
{
    QList<quint16> numbers;
    for (TextId id : StringTable::ids())
        numbers.append(quint16(id));
    const QList<quint16> expected{101,  1001, 1002, 1003, 1004, 1005, 1006, 1008, 1009, 1010,
                                  1011, 1012, 1013, 2001, 2002, 2003, 2004, 2010, 2011, 2012,
                                  2013, 2014, 2015, 2016, 2017, 2018, 2019, 2020};
    QCOMPARE(numbers, expected);
}

void StringTableTest::missingNumberIsReportedByNumber_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("1007, the gap") << 1007;
    QTest::newRow("0") << 0;
    QTest::newRow("100") << 100;
    QTest::newRow("1014") << 1014;
    QTest::newRow("2000") << 2000;
    QTest::newRow("65535") << 65535;
}

void StringTableTest::missingNumberIsReportedByNumber()
{
    QFETCH(int, number);
    try {
        loadText(TextId(number));
        QFAIL("a missing text must raise an error");
    } catch (const MissingTextError &error) {
        QCOMPARE(error.id(), TextId(number));
        QVERIFY2(QString::fromUtf8(error.what()).contains(QString::number(number)), error.what());
    }
}

void StringTableTest::languageChoice_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<Language>("expected");

    QTest::newRow("Czech only") << QStringList{"cs-CZ", "cs"} << Language::Czech;
    QTest::newRow("Czech before English") << QStringList{"cs", "en-US"} << Language::Czech;
    QTest::newRow("English before Czech") << QStringList{"en-GB", "cs-CZ"} << Language::English;
    QTest::newRow("English only") << QStringList{"en-US"} << Language::English;
    QTest::newRow("third language only") << QStringList{"de-DE", "de"} << Language::English;
    QTest::newRow("third, then Czech") << QStringList{"sk", "cs"} << Language::Czech;
    QTest::newRow("underscore form") << QStringList{"cs_CZ"} << Language::Czech;
    QTest::newRow("upper case") << QStringList{"CS"} << Language::Czech;
    QTest::newRow("not a prefix match") << QStringList{"csb", "en"} << Language::English;
    QTest::newRow("nothing") << QStringList{} << Language::English;
}

void StringTableTest::languageChoice()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(Language, expected);
    QCOMPARE(chooseLanguage(uiLanguages), expected);
}

// The test runs once with LANGUAGE=cs, once with en and once with de.
void StringTableTest::languageOfThisRunFollowsTheEnvironment()
{
    const QByteArray requested = qgetenv("LANGUAGE");
    if (requested.isEmpty())
        QSKIP("run through CTest, which sets LANGUAGE");
    const Language expected = requested.startsWith("cs") ? Language::Czech : Language::English;
    QCOMPARE(userLanguage(), expected);
}

void StringTableTest::loadTextUsesTheLanguageOfThisRun()
{
    for (TextId id : StringTable::ids())
        QCOMPARE(loadText(id), StringTable::text(id, userLanguage()));
}

QTEST_GUILESS_MAIN(StringTableTest)
#include "tst_stringtable.moc"
