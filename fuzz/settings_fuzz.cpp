// The settings reader: any file either loads whole, with an interval in
// range, or is replaced by exactly the defaults. A file that loads whole
// saves and loads back to the same values, and that save is a fixed point.

#include "fuzz_check.h"
#include "settings/settings_file.h"

namespace {

bool sameSettings(const Settings &a, const Settings &b)
{
    return a.Reserved == b.Reserved && a.SplashOnStart == b.SplashOnStart
        && a.AutoRunOnStart == b.AutoRunOnStart;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = scratchPath(QStringLiteral("settings.ini"));
    putBytes(path, input);

    Settings settings;
    const std::optional<int> interval = LoadSettings(path, settings);
    if (interval)
        FUZZ_CHECK(*interval >= 0 && *interval <= 65535);
    const QByteArray after = readBytes(path);
    if (after != input) {
        FUZZ_CHECK(after == "20000\r\n0\r\n1\r\n1\r\n");
        return 0;
    }
    FUZZ_CHECK(interval);

    FUZZ_CHECK(SaveSettings(path, *interval, settings).ok);
    const QByteArray saved = readBytes(path);
    Settings reloaded;
    FUZZ_CHECK(LoadSettings(path, reloaded) == interval);
    FUZZ_CHECK(sameSettings(reloaded, settings));
    FUZZ_CHECK(readBytes(path) == saved);
    FUZZ_CHECK(SaveSettings(path, *interval, reloaded).ok);
    FUZZ_CHECK(readBytes(path) == saved);
    return 0;
}
