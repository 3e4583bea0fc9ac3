// callwise-report's arguments, one a line: any list gets an exit code of 0,
// 1 or 2, and exactly one of a summary or a reason.

#include "fuzz_check.h"
#include "report/report.h"
#include "tariff/tariff_table.h"

#include <QFileInfo>

namespace {

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 6), QTime(12, 0)); }
};

// A program directory with a tariff and a few calls around the fixed today.
QString programDirectory()
{
    static const QString directory = [] {
        QByteArray fees;
        for (int i = 0; i < TariffTable::kCellCount - 1; ++i)
            fees += i % 2 ? "1.50\r\n" : "00:00\r\n";
        putBytes(scratchPath(QStringLiteral("netfees.ini")), fees + "3\r\n");
        putBytes(scratchPath(QStringLiteral("netcosts.ini")),
            "05:12:2026  ,  \r\n21:14:03  ,  \r\n00:05:01  ,  \r\n02.00#\r\n"
            "06:12:2025  ,  \r\n08:00:00  ,  \r\n00:00:30  ,  \r\n01.50#\r\n");
        return QFileInfo(scratchPath(QStringLiteral("netfees.ini"))).path();
    }();
    return directory;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Regional british(QLocale(QLocale::English, QLocale::UnitedKingdom));
    static const FixedClock clock;
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList arguments = input.isEmpty() ? QStringList() : input.split(u'\n');

    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = runReport(arguments, programDirectory(), clock, british, outStream, errStream);
    outStream.flush();
    errStream.flush();
    FUZZ_CHECK(code == 0 || code == 1 || code == 2);
    FUZZ_CHECK((code == 0) == err.isEmpty());
    FUZZ_CHECK((code == 0) == !out.isEmpty());
    return 0;
}
