#include "calllog/call_log.h"

#include "calllog/call_bytes.h"
#include "calllog/call_charges.h"

#include <QCoreApplication>
#include <QFile>

#include <cmath>

namespace {

const QString kSeparator = QStringLiteral("  ,  ");

} // namespace

QString logDateText(QDate date)
{
    return QString::asprintf("%02d:%02d:%04d", date.day(), date.month(), date.year());
}

QString logFeeText(double fee)
{
    const QString digits = QString::number(std::fabs(fee), 'f', 2);
    const QString padded = digits.size() < 5 ? QString(5 - digits.size(), u'0') + digits : digits;
    return fee < 0 && padded != u"00.00" ? u'-' + padded : padded;
}

QStringList callRecordLines(const QString &startdate, const QString &duration,
                            const QString &starttime, double fee)
{
    return {startdate + kSeparator, starttime + kSeparator, duration + kSeparator,
            logFeeText(fee) + u'#'};
}

FileResult AppendCallRecord(const QString &logPath, const QString &startdate,
                            const QString &duration, const QString &starttime, double fee,
                            Prompter &prompter)
{
    const FileResult result
        = appendLines(logPath, callRecordLines(startdate, duration, starttime, fee));
    if (!result.ok)
        prompter.showMessage(fileSaveErrorText());
    return result;
}

QString fileSaveErrorText()
{
    return QCoreApplication::translate("CallLog", "File Save ERROR");
}

QString LoadCallLog(const QString &logPath, MissingLog missing)
{
    if (!QFile::exists(logPath)) {
        if (missing == MissingLog::Create)
            writeLines(logPath, {});
        return QString();
    }
    return readJoinedLines(logPath).value_or(QString());
}

ClearOutcome ClearCallLog(const QString &logPath, Prompter &prompter)
{
    if (!prompter.confirm(QCoreApplication::translate("CallLog", "Are You SURE?")))
        return ClearOutcome::Cancelled;
    if (!writeLines(logPath, {}).ok) {
        prompter.showMessage(QCoreApplication::translate(
            "CallLog", "The call log could not be cleared. All its calls are still there."));
        return ClearOutcome::Failed;
    }
    // The log first: charges left behind name no call that is left, while
    // records left without their charges would be priced again.
    if (const FileResult charges = ClearCallCharges(callChargesPath(logPath)); !charges.ok) {
        prompter.showMessage(QCoreApplication::translate("CallLog",
            "The call log has been cleared, but the charges of "
            "its calls in %1 could not be: %2")
                                 .arg(QString::fromUtf16(kCallChargesFileName), charges.error));
        return ClearOutcome::Failed;
    }
    if (const FileResult bytes = ClearCallBytes(callBytesPath(logPath)); !bytes.ok) {
        prompter.showMessage(QStringLiteral("The call log has been cleared, but the bytes of "
                                            "its calls in %1 could not be: %2")
                                 .arg(QString::fromUtf16(kCallBytesFileName), bytes.error));
        return ClearOutcome::Failed;
    }
    return ClearOutcome::Cleared;
}
