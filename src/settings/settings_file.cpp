#include "settings/settings_file.h"

#include "common/number_reader.h"
#include "common/rounding.h"

#include <QFile>

#include <limits>

namespace {

constexpr int kLineCount = 4;
constexpr qint64 kMaxScanInterval = 65535;

const QStringList kDefaultLines { QStringLiteral("20000"), QStringLiteral("0"), QStringLiteral("1"),
    QStringLiteral("1") };

std::optional<qint64> wholeNumberIn(const QString &line, qint64 low, qint64 high)
{
    const qint64 value = roundHalfEven(readNumber(line));
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<qint16> shortIn(const QString &line)
{
    const auto value = wholeNumberIn(
        line, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
    if (!value)
        return std::nullopt;
    return qint16(*value);
}

void writeDefaults(const QString &path)
{
    QFile::remove(path);
    // Nothing to tell: the values in memory hold for this run either way.
    writeLines(path, kDefaultLines);
}

QString saveForm(qint64 value)
{
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value) + u' ';
}

} // namespace

std::optional<int> LoadSettings(const QString &path, Settings &settings)
{
    std::optional<int> interval;
    const std::optional<QStringList> lines = readLines(path, kLineCount);
    if (!lines || lines->isEmpty()) {
        writeDefaults(path);
        return interval;
    }

    if (const auto value = wholeNumberIn(lines->at(0), 0, kMaxScanInterval))
        interval = int(*value);
    else {
        writeDefaults(path);
        return interval;
    }

    qint16 *const fields[]
        = { &settings.Reserved, &settings.SplashOnStart, &settings.AutoRunOnStart };
    for (int i = 1; i < kLineCount; ++i) {
        const auto value = i < lines->size() ? shortIn(lines->at(i)) : std::nullopt;
        if (!value) {
            writeDefaults(path);
            return interval;
        }
        *fields[i - 1] = *value;
    }
    return interval;
}

FileResult SaveSettings(const QString &path, int scanInterval, const Settings &settings)
{
    return writeLines(path,
        { saveForm(scanInterval), saveForm(settings.Reserved), saveForm(settings.SplashOnStart),
            saveForm(settings.AutoRunOnStart) });
}
