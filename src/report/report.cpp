#include "report/report.h"

#include "alerts/alert_choices.h"
#include "alerts/bill_month.h"
#include "alerts/bill_text.h"
#include "alerts/data_month_log.h"
#include "alerts/forecast.h"
#include "calllog/call_journal.h"
#include "calllog/call_log.h"
#include "calllog/period.h"
#include "calllog/repricing.h"
#include "calllog/summary.h"
#include "calllog/summary_text.h"
#include "common/number_reader.h"
#include "common/user_date.h"
#include "report/chart_file.h"
#include "report/csv.h"
#include "report/report_command_line.h"
#include "report/tariff_comparison.h"
#include "statement/bill_check.h"
#include "statement/data_bill_check.h"
#include "tariff/data_tariff_file.h"
#include "tariff/fee_file.h"
#include "tariff/rules_file.h"
#include "tariff/tariff_source.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <variant>

namespace {

constexpr int kShown = 0;
constexpr int kNotShown = 1;
constexpr int kBadArguments = 2;

constexpr char kProgram[] = "callwise-report";
constexpr char kVersion[] = CALLWISE_VERSION;

std::optional<QDate> readDateArgument(const QString &text, const char *name, QTextStream &err)
{
    const std::optional<QDate> date = readUserDate(text);
    if (date)
        return date;
    // Of the right form but no day, as 31/02/2026: with every digit made a 1
    // the same text reads as a date.
    QString ones = text;
    for (QChar &ch : ones)
        ch = ch.isDigit() ? u'1' : ch;
    err << kProgram << ": "
        << (readUserDate(ones)
                   ? QCoreApplication::translate("Report", "%1 %2 is not a day of the calendar")
                         .arg(QLatin1String(name), text.trimmed())
                   : QCoreApplication::translate("Report", "%1 \"%2\" is not a date DD/MM/YYYY")
                         .arg(QLatin1String(name), text))
        << '\n';
    return std::nullopt;
}

// Why the data files cannot be read from there, or nothing. A directory
// without a log holds no calls, which is a summary of its own.
QString whyUnreadable(const ReportCommandLine &command, const QString &logPath)
{
    if (command.parser.isSet(command.dir)) {
        const QString directory = command.parser.value(command.dir);
        const QFileInfo info(directory);
        if (!info.exists())
            return QCoreApplication::translate("Report", "--dir %1: there is no such directory")
                .arg(directory);
        if (!info.isDir())
            return QCoreApplication::translate("Report", "--dir %1: it is not a directory")
                .arg(directory);
        if (!info.isReadable())
            return QCoreApplication::translate("Report", "--dir %1: it cannot be read")
                .arg(directory);
    }
    QFile log(logPath);
    if (log.exists() && !log.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Report", "cannot read %1: %2")
            .arg(logPath, log.errorString());
    return QString();
}

// The bill's month that today lies in, by the alerts' own choices and sums,
// the data bundle's fee in its money. Its data is the data tariff's bill
// month; without a tariff, every byte the calls on links billed by volume
// moved in the alerts' bill month.
void printBill(const QDir &directory, const LogIndex &log, QDate today, double minConnect,
    const Tariff &held, const Regional &regional, QTextStream &out)
{
    const AlertChoices choices
        = LoadAlertChoices(directory.filePath(QString::fromUtf16(kAlertsFileName)));
    const BillMonth bill = billMonthOf(today, choices.billStartDay);
    const std::optional<DataTariff> &dataTariff = held.dataFile.tariff;
    const MonthlyFee fee = bundleFeeOf(dataTariff);
    const std::optional<Forecast> forecast
        = forecastBill(log, today, bill, minConnect, regional, fee);
    // The forecast has summed the month so far already; without one, sum it here.
    const qint64 spent = forecast ? forecast->spentPence
                                  : billSoFar(log, today, bill, minConnect, regional, fee).pence();
    out << QCoreApplication::translate("Report", "Bill's month: %1 to %2")
               .arg(userDateText(bill.first), userDateText(bill.last))
        << '\n'
        << billSpentText(bill, spent, regional) << '\n'
        << billForecastText(
               bill, forecast ? std::optional(forecast->expectedPence()) : std::nullopt, regional)
        << '\n'
        << QCoreApplication::translate("Report", "Limit: %1")
               .arg(choices.limitPence ? regional.currency(double(*choices.limitPence))
                                       : QCoreApplication::translate("Report", "none"))
        << '\n';
    if (!dataTariff && log.bytes().isEmpty())
        return;
    DataTariff counting;
    counting.billStartDay = choices.billStartDay;
    const DataTariff &tariff = dataTariff ? *dataTariff : counting;
    for (const QString &line : dataMonthLines(
             dataMonthOfLog(log, dataPricerOf(tariff, &held.rules), today, regional), tariff.mbBytes,
             regional))
        out << line << '\n';
}

// The MB the data tariff counts in, or a million bytes without one.
qint64 dataMbBytes(const Tariff &tariff)
{
    return tariff.data() ? tariff.data()->mbBytes : kDecimalMb;
}

// The tariffs of --tariff and --compare, each named by its file's name, or
// by the path as given where two share a name; false when one cannot be
// used, its reason on err.
bool readOtherTariffs(const ReportCommandLine &command, std::vector<OtherTariff> &others,
    QTextStream &err)
{
    const bool one = command.parser.isSet(command.tariff);
    const QStringList files = one ? QStringList { command.parser.value(command.tariff) }
        : command.parser.isSet(command.compare) ? command.comparedFiles()
                                                : QStringList();
    for (const QString &file : files) {
        OtherTariffLoad load
            = loadOtherTariff(file, one ? command.parser.value(command.rules) : QString());
        if (!load.tariff) {
            err << kProgram << ": " << load.why << '\n';
            return false;
        }
        others.push_back(std::move(*load.tariff));
    }
    QStringList names;
    for (const OtherTariff &other : others)
        names << other.name;
    for (size_t i = 0; i < others.size(); ++i) {
        if (names.count(others[i].name) > 1)
            others[i].name = QDir::toNativeSeparators(files[qsizetype(i)]);
    }
    return true;
}

// The operator's bill against the log of the days asked for, or of the
// bill's own days.
int printBillCheck(const QString &path, std::optional<std::pair<QDate, QDate>> days,
    const LogIndex &log, const TariffTable &tariff, const TariffRules &rules,
    const std::optional<DataTariff> &dataTariff, double minConnect, const Regional &regional,
    QTextStream &out, QTextStream &err)
{
    const Statement statement = readStatement(path);
    QString why = statement.why;
    if (statement.ok && statement.calls.empty() && !days)
        why = QCoreApplication::translate("Report",
            "it holds no calls; give a period or --from and --to to check the "
            "log against it");
    if (!why.isEmpty()) {
        err << kProgram << ": " << path << ": " << why << '\n';
        return kNotShown;
    }
    const auto [first, last] = days ? *days : statementDays(statement);
    const Summary summary = summaryOfDays(log, first, last, minConnect, regional);
    if (!summary.ok) {
        err << kProgram << ": " << summary.error << '\n';
        return kNotShown;
    }
    if (statement.data) {
        // A data bill, against the calls whose bytes are kept, by the data
        // tariff's MB and rounding.
        const DataTariff data = dataTariff.value_or(DataTariff {});
        const DataBillCheck check
            = checkDataBill(statement, first, last, summary, data.mbBytes, data.roundingBytes);
        for (const QString &line : dataBillCheckLines(QFileInfo(path).fileName(), check, regional))
            out << line << '\n';
        out.flush();
        return kShown;
    }
    const BillCheck check = checkBill(statement, first, last, summary, tariff, rules);
    for (const QString &line : billCheckLines(QFileInfo(path).fileName(), check, rules, regional))
        out << line << '\n';
    out.flush();
    return kShown;
}

} // namespace

int runReport(const QStringList &arguments, const QString &defaultDirectory, const Clock &clock,
    const Regional &regional, QTextStream &out, QTextStream &err)
{
    ReportCommandLine command;
    if (!command.parser.parse(QStringList(QString::fromLatin1(kProgram)) + arguments)) {
        err << kProgram << ": " << command.parser.errorText() << '\n';
        return kBadArguments;
    }
    // Qt adds --help-all beside --help, for its own options; a program on
    // QtCore alone has none to add, so both print the same.
    const bool help
        = command.parser.isSet(command.help) || command.parser.isSet(QStringLiteral("help-all"));
    if (help || command.parser.isSet(command.version)) {
        out << (help ? command.helpText() : QStringLiteral("%1 %2\n").arg(kProgram, kVersion));
        out.flush();
        return kShown;
    }
    if (const QString why = whyNoRequest(command); !why.isEmpty()) {
        err << kProgram << ": " << why << '\n';
        return kBadArguments;
    }
    // The English names always, so that scripts keep working, and those of
    // the user's language.
    const QString typedPeriod = command.periodArguments().value(0);
    const QString period = periodEntryOf(typedPeriod);
    const bool bill = command.parser.isSet(command.bill);
    QDate today = clock.now().date();
    if (command.parser.isSet(command.today)) {
        const std::optional<QDate> date
            = readDateArgument(command.parser.value(command.today), "--today", err);
        if (!date)
            return kBadArguments;
        today = *date;
    }

    PeriodOffsets offsets;
    const bool drawing = command.parser.isSet(command.chart);
    const bool thisBill = drawing && period == QStringView(kThisBillEntry);
    const bool checking = command.parser.isSet(command.statement);
    const bool billsOwnDays = checking && period.isEmpty() && !command.parser.isSet(command.from);
    if (bill || thisBill || billsOwnDays) {
        // The bill's month is found from today and alerts.ini, the
        // statement's days from the statement, below.
    } else if (period.isEmpty()) {
        const std::optional<QDate> from
            = readDateArgument(command.parser.value(command.from), "--from", err);
        const std::optional<QDate> to
            = from ? readDateArgument(command.parser.value(command.to), "--to", err) : std::nullopt;
        if (!from || !to)
            return kBadArguments;
        offsets = dateRangeOffsets(*from, *to, today);
    } else if (const auto fixed = periodOffsets(period)) {
        offsets = *fixed;
    } else {
        err << kProgram << ": "
            << QCoreApplication::translate("Report",
                   "unknown period \"%1\" (one of %2, or --from and --to; \"%3\" with --chart)")
                   .arg(typedPeriod, fixedPeriodsText(),
                       periodCaption(QString::fromUtf16(kThisBillEntry)))
            << '\n';
        return kBadArguments;
    }

    const QDir directory(
        command.parser.isSet(command.dir) ? command.parser.value(command.dir) : defaultDirectory);
    const QString logPath = directory.filePath(QString::fromUtf16(kCallLogFileName));
    if (const QString why = whyUnreadable(command, logPath); !why.isEmpty()) {
        err << kProgram << ": " << why << '\n';
        return kNotShown;
    }
    std::vector<OtherTariff> others;
    if (!readOtherTariffs(command, others, err))
        return kNotShown;
    // The fees, the rules and the data tariff, read once.
    TariffSource source({ directory.filePath(QString::fromUtf16(kFeeFileName)),
        directory.filePath(QString::fromUtf16(kRulesFileName)),
        directory.filePath(QString::fromUtf16(kDataTariffFileName)) });
    source.reload();
    const Tariff &tariff = source.tariff();
    // As in the program: rules that cannot be used leave the fees alone to
    // price the calls, which is worth a word but no failure.
    if (!tariff.rulesFile.ok)
        err << kProgram << ": " << tariff.rulesFile.why << "; calls are priced by the fees alone.\n";
    const double minConnect = source.pricer().minConnectMinutes();
    if (bill) {
        // The call being timed, or left by a program stopped, counts as it will be logged.
        printBill(directory, LoadIndexedLogWithJournal(logPath), today, minConnect, tariff,
            regional, out);
        out.flush();
        return kShown;
    }
    const LogIndex log = LoadIndexedLog(logPath, MissingLog::LeaveAlone);
    if (checking)
        return printBillCheck(command.parser.value(command.statement),
            billsOwnDays ? std::nullopt
                         : std::optional(std::pair(
                             today.addDays(-offsets.last), today.addDays(-offsets.first))),
            log, tariff.table, tariff.rules, tariff.dataFile.tariff,
            minConnect, regional, out, err);

    if (drawing) {
        const AlertChoices choices
            = LoadAlertChoices(directory.filePath(QString::fromUtf16(kAlertsFileName)));
        const bool data = command.parser.isSet(command.data);
        const std::optional<DataTariff> dataTariff
            = data ? tariff.dataFile.tariff : std::nullopt;
        const int startDay = dataTariff ? dataTariff->billStartDay : choices.billStartDay;
        const ChartPeriod chartDays = thisBill
            ? *chartPeriod(kThisBillEntry, today, startDay)
            : *chartPeriod(kDateEntry, today, startDay, offsets);
        const SpendingChart chart = data
            ? dataChart(log, today, chartDays, dataTariff, regional, &tariff.rules)
            : spendingChart(log, today, chartDays, minConnect, regional, choices.limitPence,
                  others.empty() ? nullptr : &others.front(),
                  bundleFeeOf(tariff.dataFile.tariff));
        // A period without calls, or without data, is drawn as such.
        const bool drawable = chart.message.isEmpty() || chart.message == noCallsText()
            || (data && chart.bars.size() > 0);
        const QString why = drawable
            ? writeChartFile(command.parser.value(command.chart), chart, regional)
            : chart.message;
        if (!why.isEmpty()) {
            err << kProgram << ": " << why << '\n';
            return kNotShown;
        }
        return kShown;
    }

    Summary summary
        = SummarisePeriod(log, today, offsets.first, offsets.last, minConnect, regional);
    summary.mbBytes = dataMbBytes(tariff);
    if (!summary.ok) {
        err << kProgram << ": " << summary.error << '\n';
        return kNotShown;
    }
    const bool csv = command.parser.isSet(command.csv);
    const QString calls
        = callsOfPeriodText(summary, today.addDays(-offsets.last), today.addDays(-offsets.first));
    if (command.parser.isSet(command.compare)) {
        out << QCoreApplication::translate("Report", "%1, cheapest first:").arg(calls) << '\n'
            << tariffRanking(summary, others, regional).join(u'\n') << '\n';
    } else if (command.parser.isSet(command.tariff)) {
        const CallPricer pricer(others.front().table, others.front().rules);
        const Repricing other = repriceCalls(summary, pricer);
        if (csv) {
            out << summaryCsv(summary, &other, !log.bytes().isEmpty());
        } else {
            out << calls << '\n' << totalCostCaption(summary.totalPence, regional) << '\n'
                << otherTariffSentence(
                       others.front().name, other.totalPence, summary.totalPence, regional)
                << '\n';
        }
    } else if (csv) {
        out << summaryCsv(summary, nullptr, !log.bytes().isEmpty());
    } else {
        const QStringList lines = printedSummaryLines(summaryHeading(), summary.lines(),
            totalCostCaption(summary.totalPence, regional), totalTimeCaption(summary.totalSeconds),
            summary.dataCalls == 0
                ? QString()
                : totalDataCaption(
                    summary.totalReceived, summary.totalSent, summary.mbBytes, regional));
        for (const QString &line : lines)
            out << line << '\n';
    }
    out.flush();
    return kShown;
}
