#pragma once

// callwise-report's command line: its options, as --help lists them, and
// the reason a parsed one makes no request.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

struct ReportCommandLine
{
    ReportCommandLine();

    // --compare takes the fee files after it as well, up to the period,
    // which comes last.
    QStringList periodArguments() const;
    QStringList comparedFiles() const;
    // Qt's help begins with a one-line usage that knows one form of the
    // command only; the synopsis of every form takes its place.
    QString helpText() const;

    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption dir { QStringLiteral("dir"),
        QCoreApplication::translate(
            "Report", "Read the data files from DIR instead of the data directory."),
        QStringLiteral("DIR") };
    QCommandLineOption today { QStringLiteral("today"),
        QCoreApplication::translate(
            "Report", "Count the period back from this day instead of the system's date."),
        QStringLiteral("DD/MM/YYYY") };
    QCommandLineOption csv { QStringLiteral("csv"),
        QCoreApplication::translate("Report",
            "Print the calls as CSV: date, start time, duration, "
            "fee in pence per minute and cost in pence; where calls' bytes are kept "
            "(netbytes.ini), each call's bytes received and sent last.") };
    QCommandLineOption chart { QStringLiteral("chart"),
        QCoreApplication::translate("Report",
            "Draw the chart of daily costs into FILE, an .svg or a .png, "
            "instead of printing."),
        QStringLiteral("FILE") };
    QCommandLineOption data { QStringLiteral("data"),
        QCoreApplication::translate("Report",
            "With --chart, draw the data each day's calls used, in MB, instead of "
            "their cost; for \"This bill\" the data tariff's bill month with its "
            "allowance's pace.") };
    QCommandLineOption from { QStringLiteral("from"),
        QCoreApplication::translate("Report", "The first day of a range of days, with --to."),
        QStringLiteral("DD/MM/YYYY") };
    QCommandLineOption to { QStringLiteral("to"),
        QCoreApplication::translate("Report", "The last day of the range, with --from."),
        QStringLiteral("DD/MM/YYYY") };
    QCommandLineOption bill { QStringLiteral("bill"),
        QCoreApplication::translate("Report",
            "Print the bill's month: its days, what it has cost so far (the data "
            "bundle's monthly fee with it), its forecast and the spending limit, as the "
            "alerts window shows them, the call being timed included; then the data "
            "used on links billed by volume and, with a data tariff (netdata.ini) that "
            "has an allowance, what is left, the daily budget and the day it runs out.") };
    QCommandLineOption tariff { QStringLiteral("tariff"),
        QCoreApplication::translate("Report",
            "Price the period's calls again by the fee file FILE (a copy of "
            "netfees.ini), or by the ruleset FILE.rst (kppp's accounting rules), and "
            "print both totals and the difference; with --csv both prices of each "
            "call, with --chart both running totals."),
        QStringLiteral("FILE") };
    QCommandLineOption rules { QStringLiteral("rules"),
        QCoreApplication::translate("Report",
            "With --tariff, the tariff rules of FILE (a copy of netrules.ini); "
            "without it the other tariff has none. A ruleset holds its own rules and "
            "takes no --rules."),
        QStringLiteral("FILE") };
    QCommandLineOption compare { QStringLiteral("compare"),
        QCoreApplication::translate("Report",
            "Rank the fee file or ruleset FILE and today's tariff by what the "
            "period's calls cost, cheapest first. More files may follow it, or the option be "
            "given again; the period comes last."),
        QStringLiteral("FILE") };
    QCommandLineOption statement { QStringLiteral("statement"),
        QCoreApplication::translate("Report",
            "Check the operator's itemised bill, exported as CSV, against the log: the "
            "calls on one and not the other, those priced differently, both totals, "
            "and the tariff rules that would price the calls as billed. Without a "
            "period, the days of the bill's calls. A data bill (date, time, a volume "
            "in KB or MB, cost) is checked against the calls whose bytes are kept, "
            "matched by start and volume."),
        QStringLiteral("FILE.csv") };
};

// The reason a parsed command line makes no request, or nothing.
QString whyNoRequest(const ReportCommandLine &command);

// "1 Day, 7 Days, …", as the user's language names them.
QString fixedPeriodsText();
