#pragma once

// The call log: every finished call as four lines appended to one file,
//     start date "dd:mm:yyyy"  ,
//     start time "hh:mm:ss"  ,
//     duration   "hh:mm:ss"  ,
//     fee per minute "00.00"#
// and read back whole as one text, the lines joined without their ends, which
// the summaries search by day.

#include "common/prompter.h"
#include "common/text_file.h"

#include <QDate>
#include <QString>

inline constexpr char16_t kCallLogFileName[] = u"netcosts.ini";
inline constexpr char16_t kFileSaveError[] = u"File Save ERROR";

// kFileSaveError in the user's language, as the message shows it.
QString fileSaveErrorText();

// The day key of the log, "dd:mm:yyyy".
QString logDateText(QDate date);

// The fee as the log stores it: two or more whole digits and two decimals.
QString logFeeText(double fee);

// The four lines of one call record, as the log holds them.
QStringList callRecordLines(const QString &startdate, const QString &duration,
                            const QString &starttime, double fee);

// Appends one call. The record is written in one piece: when the write fails
// the file keeps none of it, and the user is told "File Save ERROR".
FileResult AppendCallRecord(const QString &logPath, const QString &startdate,
                            const QString &duration, const QString &starttime, double fee,
                            Prompter &prompter);

enum class MissingLog { Create, LeaveAlone };

// The whole log as one text. A missing log reads as empty and, unless told
// to leave it alone, is created empty. A failed read gives what was read.
QString LoadCallLog(const QString &logPath, MissingLog missing = MissingLog::Create);

enum class ClearOutcome { Cancelled, Cleared, Failed };

// Asks "Are You SURE?"; on anything but No, empties the log, then the
// charges and the bytes kept beside it. The empty log replaces the old one in one step, so
// a failure leaves every call in place, and the user is told so.
ClearOutcome ClearCallLog(const QString &logPath, Prompter &prompter);
