#pragma once

// The rules window shows rule lines and holiday lines in the user's words
// ("Lun-Ven 08:00-17:59 4,20 la minute", "Mo-Fr 08:00-17:59 4,20 pro
// Minute", "Ostern-2") and reads them as typed in those words or in English;
// the rules file keeps the English form, so a file written under one
// language reads the same under another. The lines are translated word by
// word, whatever the English reader accepts: the days before the times of
// day, the price's words and decimal separator after them; the dates and the
// times of day read the same in every language.

#include <QString>
#include <QStringList>

#include <array>
#include <utility>
#include <vector>

class QTranslator;

struct RuleWords
{
    std::array<QString, 7> weekdays; // Monday first: "Mon", "Lun", "Mo"
    std::array<QString, 7> longWeekdays; // read too: "Monday", "lundi", "Montag"
    QString easter; // "Easter"
    QString holidays; // "Holidays"
    QString englandAndWales; // the holiday line kEnglandAndWales
    QChar decimal = u'.';
    // The price's words, English and the user's, the longer first: "a
    // minute", "per", "after", "min", "s", "free"; and the pattern of a
    // unit's length, "in %1 units".
    std::vector<std::pair<QString, QString>> words;
    QString inUnits; // "in %1 units"

    // English's words.
    static RuleWords english();
    // The words of the translation installed in the application, or of this
    // one; English where it says nothing.
    static RuleWords translated(const QTranslator *translator = nullptr);
};

// A rule line or a holiday line of the rules file in the user's words, and
// back; a line in neither reads as it was.
QString localRuleLine(const QString &englishLine, const RuleWords &words);
QString englishRuleLine(const QString &localLine, const RuleWords &words);
QString localHolidayLine(const QString &englishLine, const RuleWords &words);
QString englishHolidayLine(const QString &localLine, const RuleWords &words);
