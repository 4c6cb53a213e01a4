#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <stdexcept>

// The two interface languages, named by their Windows language identifiers.
enum class Language : quint16 { Czech = 1029, English = 1033 };

// Every text a user reads or hears, by its number in the string table.
enum class TextId : quint16 {
    Rules = 101,    // the help window's rules
    NewGame = 1001, // command labels; Help and About also title their windows
    Help = 1002,
    About = 1003,
    Quit = 1004,
    GameOver = 1005,
    ScorePrefix = 1006, // the score line is this prefix followed by the score
    TitleOf6 = 1008,    // the full title's first 6, 7 and 8 characters
    TitleOf7 = 1009,
    TitleOf8 = 1010,
    FullTitle = 1011,
    ScoreAtStart = 1012, // the score line until the first new game
    ClosingWish = 1013,  // under the rules in the help window

    // What screen readers say, and the message of a fatal error.
    CellName = 2001, // "%1" row, "%2" column, both counted from 1
    DeadCell = 2002,
    ScoreName = 2003,
    FatalError = 2004, // "%1" is what failed

    // The score window.
    ScoreTitle = 2010,
    EnterName = 2011, // the hint in the empty name box
    Close = 2012,
    Confirm = 2013,        // the button that stores the name
    EmptyName = 2014,      // a name that is empty once cleaned
    NotSaved = 2015,       // the table could not be written
    FileSetAside = 2016,   // an unusable score file was renamed
    NoResult = 2017,       // a place of the table that nobody holds yet
    OpenScoreTable = 2018, // what screen readers call the hidden button that opens the window
    FileUnreadable = 2019, // the score file is there but cannot be read; it is left alone
    Outscored = 2020,      // a named result that other games pushed out of the table meanwhile
};

// Raised when a text is asked for that the table does not hold: a programming fault.
class MissingTextError : public std::runtime_error {
public:
    explicit MissingTextError(TextId id);
    TextId id() const { return m_id; }

private:
    TextId m_id;
};

// Every text that differs between the two languages, keyed by its number.
class StringTable {
public:
    // The text of `id` in `language`; throws MissingTextError for an id not in the table.
    static QString text(TextId id, Language language);
    // All ids in the table, in ascending order.
    static QList<TextId> ids();
};

// Czech when Czech comes before English in the ordered list, English otherwise.
Language chooseLanguage(const QStringList &uiLanguages);

// The language of this run, chosen once from the platform's ordered interface languages.
Language userLanguage();

// The text of `id` in the user's language.
QString loadText(TextId id);
