#include "tariff/data_tariff_file.h"

#include "common/number_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace {

constexpr int kBandLines = DataTariff::kDays * DataTariff::kBands * 2;
constexpr int kAllowanceLine = kBandLines + 1;
constexpr int kBundleLine = kBandLines + 2;
constexpr int kStartDayLine = kBandLines + 3;
constexpr int kBeyondLine = kBandLines + 4;
constexpr int kMbLine = kBandLines + 5;
constexpr int kRoundingLine = kBandLines + 6;

// A number the line holds and nothing else, or none.
std::optional<double> numberLine(const QString &line)
{
    const LeadingNumber number = readLeadingNumber(line);
    if (!number.found || !number.whole || !std::isfinite(number.value))
        return std::nullopt;
    return number.value;
}

// Pence from 0 up, kept to the hundredth the file is written with, so a
// hand-written file is priced the same before and after a save.
std::optional<double> penceLine(const QString &line)
{
    const std::optional<double> pence = numberLine(line);
    if (!pence || !(*pence >= 0) || *pence > kMostPencePerMb)
        return std::nullopt;
    return std::round(*pence * 100) / 100 + 0.0; // never "-0.00"
}

std::optional<qint64> wholeLine(const QString &line, qint64 least, qint64 most)
{
    const std::optional<double> number = numberLine(line);
    if (!number || *number != std::floor(*number) || *number < double(least)
        || *number > double(most))
        return std::nullopt;
    return qint64(*number);
}

bool isTimeOfDay(const QString &text)
{
    const auto digit = [&text](int at) { return text[at] >= u'0' && text[at] <= u'9'; };
    return text.size() == 5 && digit(0) && digit(1) && text[2] == u':' && digit(3) && digit(4)
        && text.left(2).toInt() < 24 && text.mid(3).toInt() < 60;
}

QString penceText(double pence)
{
    return QString::number(pence, 'f', 2);
}

struct Reader
{
    const QStringList &lines;
    QString why;
    int badLine = 0;
    QString badWhat;

    QString line(int number) const { return lines.value(number - 1).trimmed(); }
    bool damaged(int number, const QString &what)
    {
        // A line cut short, so a file that is no tariff at all is not quoted whole.
        QString quoted = line(number);
        if (quoted.size() > 24)
            quoted = quoted.left(21).trimmed() + QStringLiteral("...");
        badLine = number;
        badWhat = what;
        why = QCoreApplication::translate("DataTariffFile", "Line %1 of %2: \"%3\" %4.")
                  .arg(number)
                  .arg(QString::fromUtf16(kDataTariffFileName), quoted, what);
        return false;
    }
};

bool readBands(Reader &reader, DataTariff &tariff)
{
    for (int day = 0; day < DataTariff::kDays; ++day) {
        for (int band = 0; band < DataTariff::kBands; ++band) {
            const int startLine = (day * DataTariff::kBands + band) * 2 + 1;
            DataBand &cells = tariff.bands[size_t(day)][size_t(band)];
            cells.start = reader.line(startLine);
            if (!cells.start.isEmpty() && !isTimeOfDay(cells.start))
                return reader.damaged(startLine,
                    QCoreApplication::translate(
                        "DataTariffFile", "is not a time of day \"hh:mm\""));
            if (reader.line(startLine + 1).isEmpty())
                continue;
            cells.pencePerMb = penceLine(reader.line(startLine + 1));
            if (!cells.pencePerMb)
                return reader.damaged(startLine + 1,
                    QCoreApplication::translate("DataTariffFile", "is not pence a MB"));
        }
    }
    return true;
}

bool readSettings(Reader &reader, DataTariff &tariff)
{
    if (!reader.line(kAllowanceLine).isEmpty()) {
        const std::optional<qint64> mb
            = wholeLine(reader.line(kAllowanceLine), 0, kMostAllowanceMb);
        if (!mb)
            return reader.damaged(kAllowanceLine,
                QCoreApplication::translate("DataTariffFile", "is not an allowance in whole MB"));
        tariff.allowanceMb = *mb;
    }
    if (!reader.line(kBundleLine).isEmpty()) {
        const std::optional<double> fee = penceLine(reader.line(kBundleLine));
        if (!fee)
            return reader.damaged(kBundleLine,
                QCoreApplication::translate("DataTariffFile", "is not a monthly fee in pence"));
        tariff.bundlePence = *fee;
    }
    if (!reader.line(kStartDayLine).isEmpty()) {
        const std::optional<qint64> day = wholeLine(reader.line(kStartDayLine), 1, 28);
        if (!day)
            return reader.damaged(kStartDayLine,
                QCoreApplication::translate("DataTariffFile", "is not a day from 1 to 28"));
        tariff.billStartDay = int(*day);
    }
    if (!reader.line(kBeyondLine).isEmpty()) {
        tariff.beyondPencePerMb = penceLine(reader.line(kBeyondLine));
        if (!tariff.beyondPencePerMb)
            return reader.damaged(
                kBeyondLine, QCoreApplication::translate("DataTariffFile", "is not pence a MB"));
    }
    if (!reader.line(kMbLine).isEmpty()) {
        const std::optional<qint64> mb = wholeLine(reader.line(kMbLine), kDecimalMb, kBinaryMb);
        if (!mb || (*mb != kDecimalMb && *mb != kBinaryMb))
            return reader.damaged(kMbLine,
                QCoreApplication::translate(
                    "DataTariffFile", "is not 1000000 or 1048576 bytes a MB"));
        tariff.mbBytes = *mb;
    }
    if (!reader.line(kRoundingLine).isEmpty()) {
        const std::optional<qint64> unit
            = wholeLine(reader.line(kRoundingLine), 1, kMostRoundingBytes);
        if (!unit)
            return reader.damaged(kRoundingLine,
                QCoreApplication::translate("DataTariffFile", "is not a unit from 1 to %1 bytes")
                    .arg(kMostRoundingBytes));
        tariff.roundingBytes = *unit;
    }
    return true;
}

} // namespace

QString dataTariffPath(const QString &logPath)
{
    return QFileInfo(logPath).dir().filePath(QString::fromUtf16(kDataTariffFileName));
}

DataTariffLoad LoadDataTariff(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return { {}, false,
            QCoreApplication::translate("DataTariffFile", "%1 cannot be read: %2")
                .arg(path, file.errorString()),
            0, {} };
    file.close();
    // One line more than a tariff has, to tell a file that is none.
    const std::optional<QStringList> lines = readLines(path, kDataTariffLines + 1);
    if (!lines)
        return { {}, false,
            QCoreApplication::translate("DataTariffFile", "%1 cannot be read.").arg(path), 0,
            {} };
    if (lines->isEmpty())
        return {};
    return readDataTariff(*lines);
}

DataTariffLoad readDataTariff(const QStringList &lines)
{
    Reader reader { lines, {}, 0, {} };
    if (lines.size() > kDataTariffLines) {
        reader.damaged(kDataTariffLines + 1,
            QCoreApplication::translate("DataTariffFile", "is past the %1 lines of a data tariff")
                .arg(kDataTariffLines));
        return { {}, false, reader.why, reader.badLine, reader.badWhat };
    }
    DataTariff tariff;
    if (!readBands(reader, tariff) || !readSettings(reader, tariff))
        return { {}, false, reader.why, reader.badLine, reader.badWhat };
    return { tariff, true, {}, 0, {} };
}

QStringList dataTariffLines(const DataTariff &tariff)
{
    QStringList lines;
    lines.reserve(kDataTariffLines);
    for (const auto &day : tariff.bands) {
        for (const DataBand &band : day)
            lines << band.start << (band.pencePerMb ? penceText(*band.pencePerMb) : QString());
    }
    lines << (tariff.hasAllowance() ? QString::number(tariff.allowanceMb) : QString())
          << (tariff.bundlePence > 0 ? penceText(tariff.bundlePence) : QString())
          << QString::number(tariff.billStartDay)
          << (tariff.beyondPencePerMb ? penceText(*tariff.beyondPencePerMb) : QString())
          << QString::number(tariff.mbBytes) << QString::number(tariff.roundingBytes);
    return lines;
}

FileResult SaveDataTariff(const QString &path, const std::optional<DataTariff> &tariff)
{
    if (!tariff) {
        QFile file(path);
        if (!file.exists() || file.remove())
            return FileResult::success();
        return FileResult::failure(file.errorString());
    }
    return writeLines(path, dataTariffLines(*tariff));
}
