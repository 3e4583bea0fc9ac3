#include "report/report.h"

#include "calllog/call_log.h"
#include "calllog/period.h"
#include "calllog/summary.h"
#include "calllog/summary_text.h"
#include "common/number_reader.h"
#include "common/user_date.h"
#include "report/csv.h"
#include "tariff/fee_file.h"

#include <QDir>

#include <optional>
#include <variant>

namespace {

constexpr int kShown = 0;
constexpr int kNotShown = 1;
constexpr int kBadArguments = 2;

const char16_t kUsage[] =
    u"usage: callwise-report [--dir DIR] [--today DD/MM/YYYY] [--csv] PERIOD | --from DD/MM/YYYY "
    u"--to DD/MM/YYYY";

struct Request
{
    QString directory;
    QString today;
    QString from;
    QString to;
    QString period;
    bool csv = false;
};

// The parsed request, or the one-line reason it is not one.
std::variant<Request, QString> parseArguments(const QStringList &arguments,
                                              const QString &defaultDirectory)
{
    Request request;
    request.directory = defaultDirectory;
    bool haveFrom = false, haveTo = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const auto value = [&](QString &into) -> bool {
            if (i + 1 >= arguments.size())
                return false;
            into = arguments[++i];
            return true;
        };
        if (argument == u"--csv") {
            request.csv = true;
        } else if (argument == u"--dir" || argument == u"--today" || argument == u"--from"
                   || argument == u"--to") {
            QString &target = argument == u"--dir"     ? request.directory
                              : argument == u"--today" ? request.today
                              : argument == u"--from"  ? request.from
                                                       : request.to;
            if (!value(target))
                return QStringLiteral("%1 needs a value").arg(argument);
            haveFrom = haveFrom || argument == u"--from";
            haveTo = haveTo || argument == u"--to";
        } else if (argument.startsWith(u"--")) {
            return QStringLiteral("unknown option %1").arg(argument);
        } else if (request.period.isEmpty()) {
            request.period = argument;
        } else {
            return QStringLiteral("one period only, not also \"%1\"").arg(argument);
        }
    }
    if (haveFrom != haveTo)
        return haveFrom ? QStringLiteral("--from needs --to") : QStringLiteral("--to needs --from");
    if (haveFrom && !request.period.isEmpty())
        return QStringLiteral("give either a period or --from and --to, not both");
    if (!haveFrom && request.period.isEmpty())
        return QString::fromUtf16(kUsage);
    return request;
}

std::optional<QDate> readDateArgument(const QString &text, const char *name, QTextStream &err)
{
    const std::optional<QDate> date = readUserDate(text);
    if (!date)
        err << "callwise-report: " << name << " \"" << text << "\" is not a date DD/MM/YYYY\n";
    return date;
}

} // namespace

int runReport(const QStringList &arguments, const QString &defaultDirectory, const Clock &clock,
              const Regional &regional, QTextStream &out, QTextStream &err)
{
    const auto parsed = parseArguments(arguments, defaultDirectory);
    if (const QString *why = std::get_if<QString>(&parsed)) {
        err << "callwise-report: " << *why << '\n';
        return kBadArguments;
    }
    const Request &request = std::get<Request>(parsed);

    QDate today = clock.now().date();
    if (!request.today.isEmpty()) {
        const std::optional<QDate> date = readDateArgument(request.today, "--today", err);
        if (!date)
            return kBadArguments;
        today = *date;
    }

    PeriodOffsets offsets;
    if (request.period.isEmpty()) {
        const std::optional<QDate> from = readDateArgument(request.from, "--from", err);
        const std::optional<QDate> to = from ? readDateArgument(request.to, "--to", err)
                                             : std::nullopt;
        if (!from || !to)
            return kBadArguments;
        offsets = dateRangeOffsets(*from, *to, today);
    } else if (const auto fixed = periodOffsets(request.period)) {
        offsets = *fixed;
    } else {
        err << "callwise-report: unknown period \"" << request.period << "\" (one of "
            << periodEntries().mid(0, periodEntries().size() - 1).join(u", ")
            << ", or --from and --to)\n";
        return kBadArguments;
    }

    const QDir directory(request.directory);
    TariffTable tariff;
    LoadFees(tariff, directory.filePath(QString::fromUtf16(kFeeFileName)));
    const QString logText =
        LoadCallLog(directory.filePath(QString::fromUtf16(kCallLogFileName)), MissingLog::LeaveAlone);

    const Summary summary = SummarisePeriod(logText, today, offsets.first, offsets.last,
                                            readNumber(tariff.minConnectTime()), regional);
    if (!summary.ok) {
        err << "callwise-report: " << summary.error << '\n';
        return kNotShown;
    }
    if (request.csv) {
        out << summaryCsv(summary);
    } else {
        const QStringList lines = printedSummaryLines(
            QString::fromUtf16(kSummaryHeading), summary.lines(),
            totalCostCaption(summary.totalPence, regional), totalTimeCaption(summary.totalSeconds));
        for (const QString &line : lines)
            out << line << '\n';
    }
    out.flush();
    return kShown;
}
