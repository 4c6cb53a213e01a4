#include "stringtable.h"

#include <QLocale>

#include <array>

namespace {

struct Entry {
    TextId id;
    const char16_t *czech;
    const char16_t *english;
};

// Spacing is part of the texts: the score prefixes are letter-spaced, Czech 1012 has two blanks
// before its colon, and English 101 has two blanks after "zero.".
constexpr std::array<Entry, 28> entries{{
    {TextId::Rules,
     u"Jde o velice jednoduchou hru. Cílem hry je klikat na tlačítka tak, aby se jejich hodnota "
     u"nikdy nesnížila na nulu. Při každém kliknutí se Vám přičte 10 bodů a rychlost odpočítávání "
     u"na tlačítku se zvýší o 50ms. Pokud vícekrát za sebou kliknete na jedno tlačítko přičtou se "
     u"Vám body pouze za první kliknutí.",
     u"Click each of the 9 buttons to prevent them counting down to zero.  When you reach zero, "
     u"it's game over and you have to start again."},
    {TextId::NewGame, u"Nová hra", u"New Game"},
    {TextId::Help, u"Nápověda", u"Help"},
    {TextId::About, u"O hře", u"About"},
    {TextId::Quit, u"Konec", u"Quit"},
    {TextId::GameOver, u"Konec hry", u"Game Over"},
    {TextId::ScorePrefix, u"S k ó r e : ", u"S c o r e : "},
    {TextId::TitleOf6, u"Ka lud", u"Ka lum"},
    {TextId::TitleOf7, u"Ka ludn", u"Ka lumb"},
    {TextId::TitleOf8, u"Ka ludni", u"Ka lumbo"},
    {TextId::FullTitle, u"Ka ludnik", u"Ka lumbor"},
    {TextId::ScoreAtStart, u"S k ó r e  : 0", u"S c o r e : 0"},
    {TextId::ClosingWish, u"Příjemnou zábavu", u"..."},
    {TextId::CellName, u"Řádek %1, sloupec %2", u"Row %1, column %2"},
    {TextId::DeadCell, u"mrtvé", u"dead"},
    {TextId::ScoreName, u"Skóre", u"Score"},
    {TextId::FatalError,
     u"Ka ludnik narazil na chybu, ze které se nemůže zotavit, a nyní skončí.\n\n%1",
     u"Ka ludnik has met an error it cannot recover from and will now end.\n\n%1"},
    {TextId::ScoreTitle, u"Skóre", u"Score"},
    {TextId::EnterName, u"Zadej jméno", u"Enter your name"},
    {TextId::Close, u"Zavřít", u"Close"},
    {TextId::Confirm, u"OK", u"OK"},
    {TextId::EmptyName, u"Bez jména se výsledek neuloží.", u"A result needs a name."},
    {TextId::NotSaved, u"Výsledek se nepodařilo uložit; OK to zkusí znovu.",
     u"The result could not be saved; OK tries again."},
    {TextId::FileSetAside, u"Soubor se skóre byl poškozený, je odložen a začíná nová tabulka.",
     u"The score file was damaged; it was set aside and a new table begins."},
    {TextId::NoResult, u"–", u"–"},
    {TextId::OpenScoreTable, u"Otevřít tabulku skóre", u"Open the score table"},
    {TextId::FileUnreadable, u"Soubor se skóre nejde přečíst; výsledky se do něj neuloží.",
     u"The score file cannot be read; results are not saved to it."},
    {TextId::Outscored, u"Jiné hry mezitím skórovaly výš; tento výsledek se nevešel.",
     u"Other games scored higher meanwhile; this one did not fit."},
}};

const Entry *find(TextId id)
{
    for (const Entry &entry : entries) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

} // namespace

MissingTextError::MissingTextError(TextId id)
    : std::runtime_error("The string table has no text number " + std::to_string(quint16(id))),
      m_id(id)
{
}

QString StringTable::text(TextId id, Language language)
{
    const Entry *entry = find(id);
    if (!entry)
        throw MissingTextError(id);
    return QString::fromUtf16(language == Language::Czech ? entry->czech : entry->english);
}

QList<TextId> StringTable::ids()
{
    QList<TextId> result;
    for (const Entry &entry : entries)
        result.append(entry.id);
    return result;
}

Language chooseLanguage(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        const QString primary = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (primary.compare(QLatin1String("cs"), Qt::CaseInsensitive) == 0)
            return Language::Czech;
        if (primary.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
            return Language::English;
    }
    return Language::English;
}

Language userLanguage()
{
    static const Language language = chooseLanguage(QLocale::system().uiLanguages());
    return language;
}

QString loadText(TextId id)
{
    return StringTable::text(id, userLanguage());
}
