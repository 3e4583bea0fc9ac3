#include "alerts/forecast.h"
#include "calllog/summary.h"
#include "common/number_reader.h"
#include "log_generator.h"
#include "typical_tariff.h"

#include <QLocale>

#include <cmath>
#include <cstdio>
#include <cstdlib>

// How far the bill's forecast (each day to come at its weekday's average
// over the last eight weeks) lands from the month's real total, against a
// straight line (spent so far ÷ days gone × days in the month), on logs of
// three months made from a weekly habit with noise. Each bill's month is the
// last of its log, measured at the end of its 3rd, 7th and 14th day. Prints
// a Markdown table; the arguments are the logs per month and the seed.
namespace {

constexpr int kDays[] = { 3, 7, 14 };

struct Errors
{
    double forecast = 0.0; // sums of |estimate - total| / total
    double line = 0.0;
    double forecastBias = 0.0; // sums of (estimate - total) / total
    double lineBias = 0.0;
    int forecastCloser = 0;
    int trials = 0;
};

} // namespace

int main(int argc, char **argv)
{
    const int logsPerMonth = argc > 1 ? std::atoi(argv[1]) : 50;
    QRandomGenerator random(argc > 2 ? quint32(std::atoi(argv[2])) : 20261207u);
    const Regional regional(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const TariffTable tariff = typicalTariff();
    const double minConnect = readNumber(tariff.minConnectTime());

    std::printf("| Day spread | Day of the bill | Weekday forecast: mean error | Straight line: "
                "mean error | Forecast: bias | Straight line: bias | Forecast closer |\n"
                "| --- | --- | --- | --- | --- | --- | --- |\n");
    for (const double spread : { 0.0, 0.3, 0.6 }) {
        WeeklyHabit habit;
        habit.daySpread = spread;
        Errors errors[std::size(kDays)];
        // Every month of a year as the bill's, so its days fall on every weekday.
        for (int month = 1; month <= 12; ++month) {
            const BillMonth bill { QDate(2027, month, 1),
                QDate(2027, month, 1).addMonths(1).addDays(-1) };
            for (int n = 0; n < logsPerMonth; ++n) {
                const LogIndex log(
                    habitLog(habit, bill.first.addMonths(-2), bill.last, tariff, random));
                const qint64 total = SummarisePeriod(
                    log, bill.last, 0, bill.first.daysTo(bill.last), minConnect, regional)
                                         .totalPence;
                if (total <= 0)
                    continue;
                for (size_t k = 0; k < std::size(kDays); ++k) {
                    const QDate today = bill.first.addDays(kDays[k] - 1);
                    const std::optional<Forecast> forecast
                        = forecastBill(log, today, bill, minConnect, regional, {});
                    if (!forecast)
                        continue;
                    const double days = double(bill.first.daysTo(bill.last) + 1);
                    const double line = double(forecast->spentPence) / kDays[k] * days;
                    const double byForecast
                        = (double(forecast->expectedPence()) - double(total)) / double(total);
                    const double byLine = (line - double(total)) / double(total);
                    Errors &e = errors[k];
                    e.forecast += std::abs(byForecast);
                    e.line += std::abs(byLine);
                    e.forecastBias += byForecast;
                    e.lineBias += byLine;
                    e.forecastCloser += std::abs(byForecast) < std::abs(byLine);
                    ++e.trials;
                }
            }
        }
        for (size_t k = 0; k < std::size(kDays); ++k) {
            const Errors &e = errors[k];
            const double n = e.trials;
            std::printf("| %.1f | %d | %.1f %% | %.1f %% | %+.1f %% | %+.1f %% | %.0f %% of %d |\n",
                spread, kDays[k], 100 * e.forecast / n, 100 * e.line / n, 100 * e.forecastBias / n,
                100 * e.lineBias / n, 100 * e.forecastCloser / n, e.trials);
        }
    }
    return 0;
}
