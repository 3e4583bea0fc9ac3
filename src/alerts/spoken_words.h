#pragma once

// Amounts and times as a person reads them aloud: "Twelve minutes,
// forty-two pence." The words for the money follow the user's currency:
// pounds and pence, dollars and cents, euros and cents; any other currency
// is left in the form the windows show it, for the engine to read. In a
// translation the words are translated and the numbers left in figures,
// which a voice of that language reads in its own words.

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// Whether numbers are said in words here: in English, the language the
// texts are written in; a translation leaves them in figures.
bool numbersInWords();

// "forty-two", "one hundred and five", "two thousand three hundred".
QString numberInWords(qint64 number);

// "Twelve minutes", "One hour five minutes", "Two hours".
QString spokenElapsed(qint64 minutes);

// "forty-two pence", "three pounds twenty", "one dollar and one cent".
QString spokenMoney(qint64 pence, const QLocale &locale);

// "Twelve minutes, forty-two pence."
QString costSentence(qint64 minutes, qint64 pence, const QLocale &locale);

// An amount in the user's currency form as whole pence (hundredths): the
// text a window shows ("£3.20", "-$0.12") or one the user types ("20",
// "20.5", "£20"). Nothing for a text without digits or with anything but the
// currency's own signs, digits and blanks in it.
std::optional<qint64> penceInCurrencyText(QStringView text, const QLocale &locale);
