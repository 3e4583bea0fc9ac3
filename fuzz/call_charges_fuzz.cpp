// The charges reader against the file's lines read one by one and matched
// whole: a line that is a charge as the program writes it is found with its
// pence (the first one of its call), and so is each in turn; a line whose
// call can be read but not its charge is found as damaged unless a readable
// one of that call is there, and no call of another line is found at all.
// The bytes reader, the same scan with two numbers (five for a call across a
// bill month's start), is held to the same.

#include "calllog/call_bytes.h"
#include "calllog/call_charges.h"
#include "common/text_file.h"
#include "fuzz_check.h"

#include <QRegularExpression>

#include <map>
#include <vector>

namespace {

struct Expected
{
    bool readable = false;
    qint64 pence = 0;
};

struct ExpectedBytes
{
    bool readable = false;
    qint64 received = 0;
    qint64 sent = 0;
    std::optional<SessionSplit> split;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ChargeIndex charges(bytes);
    const BytesIndex bytesIndex(bytes);

    const QString path = scratchPath(QStringLiteral("netcharges.ini"));
    putBytes(path, bytes);
    const std::optional<QStringList> lines = readLines(path);
    FUZZ_CHECK(lines);
    static const QRegularExpression call(QStringLiteral(
        R"(\A([0-9]{2}:[0-9]{2}:[0-9]{4})  ,  ([0-9]{2}:[0-9]{2}:[0-9]{2})  ,  )"
        R"(([0-9]{2}:[0-9]{2}:[0-9]{2})  ,  )"));
    static const QRegularExpression charge(QStringLiteral(R"(\A-?[0-9]{1,15}#\z)"));
    // The two totals, and after them, for a call across a bill month's
    // start, the second and the two counts at that moment.
    static const QRegularExpression sizes(QStringLiteral(
        R"(\A([0-9]{1,15})  ,  ([0-9]{1,15})(?:  ,  ([0-9]{1,15})  ,  ([0-9]{1,15})  ,  ([0-9]{1,15}))?#\z)"));
    std::map<ChargeIndex::Key, Expected> expected;
    std::map<ChargeIndex::Key, ExpectedBytes> expectedBytes;
    std::vector<ChargeIndex::Key> readableInTurn;
    for (const QString &line : *lines) {
        const QRegularExpressionMatch match = call.match(line);
        const QDate day = QDate::fromString(match.captured(1), u"dd:MM:yyyy");
        if (!match.hasMatch() || !day.isValid())
            continue;
        const ChargeIndex::Key key = ChargeIndex::keyOf(day, match.captured(2), match.captured(3));
        FUZZ_CHECK(key != 0);
        const QString pence = line.mid(match.capturedEnd());
        ExpectedBytes &bytesOf = expectedBytes[key];
        if (const QRegularExpressionMatch both = sizes.match(pence);
            both.hasMatch() && !bytesOf.readable) {
            bytesOf = {true, both.captured(1).toLongLong(), both.captured(2).toLongLong(), {}};
            if (both.hasCaptured(3))
                bytesOf.split = SessionSplit {both.captured(3).toLongLong(),
                    both.captured(4).toLongLong(), both.captured(5).toLongLong()};
        }
        Expected &of = expected[key];
        if (!charge.match(pence).hasMatch())
            continue;
        readableInTurn.push_back(key);
        if (!of.readable)
            of = {true, pence.chopped(1).toLongLong()};
    }
    for (const auto &[key, of] : expected) {
        const ChargeIndex::Found found = charges.find(key);
        FUZZ_CHECK(found.kept
                   == (of.readable ? ChargeIndex::Kept::Charge : ChargeIndex::Kept::Damaged));
        FUZZ_CHECK(found.pence == of.pence);
    }
    for (const auto &[key, of] : expectedBytes) {
        const BytesIndex::Found found = bytesIndex.find(key);
        FUZZ_CHECK(found.kept
                   == (of.readable ? BytesIndex::Kept::Values : BytesIndex::Kept::Damaged));
        FUZZ_CHECK(found.value.received == of.received && found.value.sent == of.sent);
        FUZZ_CHECK(found.split == of.split);
    }
    // Looked up in turn, in the file's order, each readable line's call is
    // found with a charge.
    size_t hint = 0;
    for (const ChargeIndex::Key key : readableInTurn)
        FUZZ_CHECK(charges.find(key, hint).kept == ChargeIndex::Kept::Charge);
    // A call of no line: one a second longer than the last key's.
    if (!expected.empty())
        FUZZ_CHECK(charges.find(expected.rbegin()->first + 1).kept == ChargeIndex::Kept::None);
    return 0;
}
