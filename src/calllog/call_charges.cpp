#include "calllog/call_charges.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kSeparator = QStringLiteral("  ,  ");

// A line's pence, whole and perhaps negative, then its "#".
bool readPence(const char *&p, const char *end, qint64 &pence)
{
    const bool negative = p < end && *p == '-';
    p += negative ? 1 : 0;
    if (!SideRecord::readDigits(p, end, pence) || p >= end || *p != '#')
        return false;
    pence = negative ? -pence : pence;
    ++p;
    return true;
}

} // namespace

QString callChargesPath(const QString &logPath)
{
    return QFileInfo(logPath).dir().filePath(QString::fromUtf16(kCallChargesFileName));
}

QString callChargeLine(const QString &startdate, const QString &starttime,
                       const QString &duration, qint64 pence)
{
    return startdate + kSeparator + starttime + kSeparator + duration + kSeparator
           + QString::number(pence) + u'#';
}

FileResult appendCallCharge(const QString &chargesPath, const QString &line)
{
    return appendLines(chargesPath, {line});
}

ChargeIndex::ChargeIndex(QByteArrayView bytes)
    // A lambda rather than the function itself, so the scan inlines it.
    : m_charges(bytes, [](const char *&p, const char *end, qint64 &pence) {
        return readPence(p, end, pence);
    })
{
}

ChargeIndex::Found ChargeIndex::find(Key key, size_t &hint) const
{
    using Index = SideRecordIndex<qint64>;
    static_assert(int(Kept::Charge) == int(Index::Kept::Values)
                  && int(Kept::Damaged) == int(Index::Kept::Damaged));
    const Index::Found found = m_charges.find(key, hint);
    return {Kept(found.kept), found.value};
}

ChargeIndex LoadCallCharges(const QString &chargesPath)
{
    // Without rules there is no file, and nothing to open.
    if (!QFileInfo::exists(chargesPath))
        return {};
    QFile file(chargesPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ChargeIndex(file.readAll());
}

FileResult ClearCallCharges(const QString &chargesPath)
{
    if (!QFileInfo::exists(chargesPath))
        return FileResult::success();
    return writeLines(chargesPath, {});
}
