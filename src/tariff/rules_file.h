#pragma once

// The tariff rules live in a file of their own beside the fee file, so the
// fee file keeps its 57 lines. Latin-1 with CR LF, one setting a line:
//     1  fee per call, pence ("15.00", "9.258"), empty for none
//     2  charge units "60/1" or "158.4/158.4", empty for every minute begun
//     3  first charge, pence, empty for the units' share of the fee
//     4  minimum charge per call, pence, empty for none
//     5  "1" each unit at the fee in force when it begins, "0" the call's last fee
//     6… holidays priced with Sunday's bands, one a line, then the rules
//        by time, one a line (time_rules.h)
// No file (or an empty one) is no rules.

#include "common/text_file.h"
#include "tariff/tariff_rules.h"

#include <QCoreApplication>

inline constexpr char16_t kRulesFileName[] = u"netrules.ini";
// Far more than any operator's list of holidays, so a file that is not a
// rules file at all is not read whole.
inline constexpr qsizetype kMostRulesLines = 1000;
// Why a holiday line is none.
inline constexpr char kNoHoliday[] = QT_TRANSLATE_NOOP("RulesFile", "not a day Callwise knows");

// A line of the file that cannot be used, named for the user.
struct RulesLine
{
    int line = 0; // 1 for the first
    QString text; // as written
    QString why; // "a unit cannot be 0 seconds"

    // line 2, "60/0": a unit cannot be 0 seconds
    QString message() const;
};

struct RulesLoad
{
    TariffRules rules; // in force: the default rules unless ok
    bool ok = true;
    QString why; // why the file cannot be used, for the user, naming the file
    // What a file with lines that cannot be used still says, for the rules
    // window to show for correcting: every setting that reads (a bad one
    // left at its default), and the holiday lines and rules by time as
    // written, those that do not read among them.
    TariffRules readable;
    QStringList holidayLines;
    QStringList ruleLines;
    QList<RulesLine> badLines;
};

// A file that cannot be read, or holds a line the rules window could not
// have written, puts no rules in force and says why: calls are then priced
// by the weekly table alone rather than by rules guessed from a damaged
// file. The lines that read are kept for the window all the same.
RulesLoad LoadRules(const QString &rulesPath);

// Writes the rules through the one file writer. Default rules remove the
// file, so a tariff without rules leaves no trace.
FileResult SaveRules(const QString &rulesPath, const TariffRules &rules);

// The file's lines for these rules.
QStringList rulesLines(const TariffRules &rules);
