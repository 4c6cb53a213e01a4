#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <stdexcept>

// The two interface languages, named by their Windows language identifiers.
enum class Language : quint16 { Czech = 1029, English = 1033 };

// Raised when a text number is asked for that the table does not hold: a programming fault.
class MissingTextError : public std::runtime_error {
public:
    explicit MissingTextError(quint16 number);
    quint16 number() const { return m_number; }

private:
    quint16 m_number;
};

// Every text that differs between the two languages, keyed by its number.
class StringTable {
public:
    // The text of `number` in `language`; throws MissingTextError for a number not in the table.
    static QString text(quint16 number, Language language);
    static bool contains(quint16 number);
    // All numbers in the table, in ascending order.
    static QList<quint16> numbers();
};

// Czech when Czech comes before English in the ordered list, English otherwise.
Language chooseLanguage(const QStringList &uiLanguages);

// The language of this run, chosen once from the platform's ordered interface languages.
Language userLanguage();

// The text of `number` in the user's language.
QString LoadText(quint16 number);
