// The fee file: whatever a file or the editor holds, a save writes 57 lines,
// and saving what was just loaded from a saved file writes the same bytes
// again. That covers both normalisations, each read back through a cell's
// length limit and the file's Latin-1.

#include "fuzz_check.h"
#include "tariff/fee_file.h"

namespace {

int lineCount(const QByteArray &bytes)
{
    return int(bytes.count("\r\n"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QString original = scratchPath(QStringLiteral("original.ini"));
    const QString first = scratchPath(QStringLiteral("first.ini"));
    const QString second = scratchPath(QStringLiteral("second.ini"));

    TariffTable table;
    if (data[0] & 1) {
        // typed in the editor: any characters, one cell a line
        const QStringList cells = QString::fromUtf8(input).split(u'\n');
        for (int i = 0; i < TariffTable::kCellCount && i < cells.size(); ++i)
            table.setCell(i, cells[i]);
    } else {
        putBytes(original, input);
        FUZZ_CHECK(LoadFees(table, original));
    }
    FUZZ_CHECK(SaveFees(table, first).ok);
    const QByteArray saved = readBytes(first);
    FUZZ_CHECK(lineCount(saved) == TariffTable::kCellCount);

    TariffTable reloaded;
    FUZZ_CHECK(LoadFees(reloaded, first));
    FUZZ_CHECK(SaveFees(reloaded, second).ok);
    FUZZ_CHECK(readBytes(second) == saved);
    return 0;
}
