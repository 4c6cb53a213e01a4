#include "stringtable.h"

#include <QLocale>

#include <array>

namespace {

struct Entry {
    quint16 number;
    const char16_t *czech;
    const char16_t *english;
};

// Spacing is part of the texts: the score prefixes are letter-spaced, Czech 1012 has two blanks
// before its colon, and English 101 has two blanks after "zero.".
constexpr std::array<Entry, 13> entries{{
    {101,
     u"Jde o velice jednoduchou hru. Cílem hry je klikat na tlačítka tak, aby se jejich hodnota "
     u"nikdy nesnížila na nulu. Při každém kliknutí se Vám přičte 10 bodů a rychlost odpočítávání "
     u"na tlačítku se zvýší o 50ms. Pokud vícekrát za sebou kliknete na jedno tlačítko přičtou se "
     u"Vám body pouze za první kliknutí.",
     u"Click each of the 9 buttons to prevent them counting down to zero.  When you reach zero, "
     u"it's game over and you have to start again."},
    {1001, u"Nová hra", u"New Game"},
    {1002, u"Nápověda", u"Help"},
    {1003, u"O hře", u"About"},
    {1004, u"Konec", u"Quit"},
    {1005, u"Konec hry", u"Game Over"},
    {1006, u"S k ó r e : ", u"S c o r e : "},
    {1008, u"Ka lud", u"Ka lum"},
    {1009, u"Ka ludn", u"Ka lumb"},
    {1010, u"Ka ludni", u"Ka lumbo"},
    {1011, u"Ka ludnik", u"Ka lumbor"},
    {1012, u"S k ó r e  : 0", u"S c o r e : 0"},
    {1013, u"Příjemnou zábavu", u"..."},
}};

const Entry *find(quint16 number)
{
    for (const Entry &entry : entries) {
        if (entry.number == number)
            return &entry;
    }
    return nullptr;
}

} // namespace

MissingTextError::MissingTextError(quint16 number)
    : std::runtime_error("The string table has no text number " + std::to_string(number)),
      m_number(number)
{
}

QString StringTable::text(quint16 number, Language language)
{
    const Entry *entry = find(number);
    if (!entry)
        throw MissingTextError(number);
    return QString::fromUtf16(language == Language::Czech ? entry->czech : entry->english);
}

bool StringTable::contains(quint16 number)
{
    return find(number) != nullptr;
}

QList<quint16> StringTable::numbers()
{
    QList<quint16> result;
    for (const Entry &entry : entries)
        result.append(entry.number);
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

QString LoadText(quint16 number)
{
    return StringTable::text(number, userLanguage());
}
