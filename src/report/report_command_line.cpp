#include "report/report_command_line.h"

#include "calllog/period.h"
#include "report/chart_file.h"

namespace {

const char16_t kSynopsis[]
    = u"callwise-report [--dir DIR] [--today DD/MM/YYYY] [--csv | --chart FILE [--data]] PERIOD\n"
      u"       callwise-report [--dir DIR] [--today DD/MM/YYYY] [--csv | --chart FILE] "
      u"--from DD/MM/YYYY --to DD/MM/YYYY\n"
      u"       callwise-report [--dir DIR] [--today DD/MM/YYYY] --bill\n"
      u"       callwise-report [--dir DIR] [--today DD/MM/YYYY] [--csv | --chart FILE] "
      u"--tariff FILE [--rules FILE] PERIOD\n"
      u"       callwise-report [--dir DIR] [--today DD/MM/YYYY] --compare FILE [FILE ...] PERIOD\n"
      u"       callwise-report [--dir DIR] [--today DD/MM/YYYY] --statement FILE.csv "
      u"[PERIOD | --from DD/MM/YYYY --to DD/MM/YYYY]";
const char16_t kUsage[]
    = u"callwise-report [--dir DIR] [--today DD/MM/YYYY] [--csv | --chart FILE] "
      u"[--tariff FILE [--rules FILE] | --compare FILE ...] PERIOD | "
      u"--from DD/MM/YYYY --to DD/MM/YYYY | --bill | --statement FILE.csv [PERIOD]";

} // namespace

QString fixedPeriodsText()
{
    QStringList captions;
    for (const QString &entry : periodEntries().mid(0, periodEntries().size() - 1))
        captions << periodCaption(entry);
    return captions.join(u", ");
}

ReportCommandLine::ReportCommandLine()
{
    parser.addOptions(
        { dir, today, csv, chart, data, from, to, bill, tariff, rules, compare, statement });
    parser.addPositionalArgument(QStringLiteral("PERIOD"),
        fixedPeriodsText()
            + QCoreApplication::translate("Report",
                ": that many days back from today; with --chart also \"%1\", "
                "the bill's month.")
                  .arg(periodCaption(QString::fromUtf16(kThisBillEntry))),
        QStringLiteral("[PERIOD]"));
}

QStringList ReportCommandLine::periodArguments() const
{
    const QStringList positional = parser.positionalArguments();
    if (!parser.isSet(compare))
        return positional;
    if (parser.isSet(from) || positional.isEmpty())
        return {};
    return { positional.last() };
}

QStringList ReportCommandLine::comparedFiles() const
{
    QStringList files = parser.positionalArguments();
    if (!parser.isSet(from) && !files.isEmpty())
        files.removeLast();
    return parser.values(compare) + files;
}

QString ReportCommandLine::helpText() const
{
    const QString qtHelp = parser.helpText();
    return QCoreApplication::translate("Report",
               "Usage: %1\nPrints the calls and costs of a period from the call log, "
               "the bill's month with its forecast, what the period's calls "
               "would have cost by other tariffs, or an operator's bill checked "
               "against the log. --from and --to may stand for PERIOD wherever it "
               "is asked for.")
               .arg(QString::fromUtf16(kSynopsis))
        + qtHelp.mid(qtHelp.indexOf(u"\n\n"));
}

QString whyNoRequest(const ReportCommandLine &command)
{
    const QStringList positional = command.periodArguments();
    const bool haveTariff = command.parser.isSet(command.tariff),
               haveCompare = command.parser.isSet(command.compare);
    const bool haveFrom = command.parser.isSet(command.from),
               haveTo = command.parser.isSet(command.to);
    if (command.parser.isSet(command.bill))
        return positional.isEmpty() && !haveFrom && !haveTo && !command.parser.isSet(command.csv)
                && !command.parser.isSet(command.chart) && !haveTariff && !haveCompare
                && !command.parser.isSet(command.statement)
            ? QString()
            : QCoreApplication::translate("Report",
                "--bill takes no period, range, --csv, --chart, --tariff, --compare "
                "or --statement");
    if (command.parser.isSet(command.data)
        && (!command.parser.isSet(command.chart) || haveTariff || haveCompare))
        return QCoreApplication::translate("Report", "--data goes with --chart alone");
    if (command.parser.isSet(command.rules) && !haveTariff)
        return QCoreApplication::translate("Report", "--rules goes with --tariff");
    if (haveTariff && haveCompare)
        return QCoreApplication::translate("Report", "give either --tariff or --compare, not both");
    if (haveCompare && (command.parser.isSet(command.csv) || command.parser.isSet(command.chart)))
        return QCoreApplication::translate(
            "Report", "--compare prints a ranking, not --csv or --chart");
    const bool checking = command.parser.isSet(command.statement);
    if (checking && (haveTariff || haveCompare))
        return QCoreApplication::translate("Report", "--statement takes no --tariff or --compare");
    if (checking && (command.parser.isSet(command.csv) || command.parser.isSet(command.chart)))
        return QCoreApplication::translate("Report", "--statement takes no --csv or --chart");
    if (positional.size() > 1)
        return QCoreApplication::translate("Report", "one period only, not also \"%1\"")
            .arg(positional[1]);
    if (haveFrom != haveTo)
        return haveFrom ? QCoreApplication::translate("Report", "--from needs --to")
                        : QCoreApplication::translate("Report", "--to needs --from");
    if (haveFrom && !positional.isEmpty())
        return QCoreApplication::translate(
            "Report", "give either a period or --from and --to, not both");
    if (!haveFrom && positional.isEmpty() && !checking)
        return QCoreApplication::translate("Report", "usage: %1").arg(QString::fromUtf16(kUsage));
    if (command.parser.isSet(command.chart) && command.parser.isSet(command.csv))
        return QCoreApplication::translate("Report", "give either --csv or --chart, not both");
    const QString chart = command.parser.value(command.chart);
    if (command.parser.isSet(command.chart) && !isChartFileName(chart))
        return QCoreApplication::translate(
            "Report", "--chart %1: the file's name must end in .svg or .png")
            .arg(chart);
    return QString();
}
