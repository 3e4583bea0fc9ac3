#include "calltime/link_billing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kSeparator = QStringLiteral("  ,  ");

QString billWord(LinkBill bill)
{
    return bill == LinkBill::Volume ? QStringLiteral("volume") : QStringLiteral("minute");
}

bool matches(const QString &pattern, const QString &name)
{
    // Interface names hold no "/", so the path-style conversion matches alike.
    const QRegularExpression expression(QRegularExpression::wildcardToRegularExpression(pattern));
    return expression.match(name).hasMatch();
}

bool isPattern(const QString &pattern)
{
    return linkPatternExpression().match(pattern).hasMatch();
}

} // namespace

const QRegularExpression &linkPatternExpression()
{
    static const QRegularExpression kName(QStringLiteral("^[A-Za-z0-9_.:*?\\-]{1,15}$"));
    return kName;
}

LinkBilling::LinkBilling()
    : m_patterns({ { QStringLiteral("wwan*"), LinkBill::Volume },
        { QStringLiteral("wwp*"), LinkBill::Volume },
        { QStringLiteral("ppp*"), LinkBill::Minute } })
{ }

LinkBill LinkBilling::billOf(const QString &linkName, std::optional<bool> metered) const
{
    if (!m_chosen && metered)
        return *metered ? LinkBill::Volume : LinkBill::Minute;
    for (const LinkPattern &pattern : m_patterns) {
        if (matches(pattern.pattern, linkName))
            return pattern.bill;
    }
    return LinkBill::Minute;
}

QStringList LinkBilling::volumePatterns() const
{
    QStringList patterns;
    for (const LinkPattern &pattern : m_patterns) {
        if (pattern.bill == LinkBill::Volume)
            patterns << pattern.pattern;
    }
    return patterns;
}

LinkBillingLoad LoadLinkBilling(const QString &path)
{
    if (!QFileInfo::exists(path))
        return { LinkBilling(), true, QString() };
    const std::optional<QStringList> lines = readLines(path);
    if (!lines)
        return { LinkBilling(), false,
            QCoreApplication::translate("LinkBilling", "%1 cannot be read").arg(path) };
    std::vector<LinkPattern> patterns;
    for (qsizetype i = 0; i < lines->size(); ++i) {
        const QString line = lines->at(i).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(u',');
        const QString bill = fields.value(1).trimmed();
        const QString pattern = fields.value(0).trimmed();
        if (fields.size() != 2 || !isPattern(pattern)
            || (bill != billWord(LinkBill::Minute) && bill != billWord(LinkBill::Volume)))
            return { LinkBilling(), false,
                QCoreApplication::translate("LinkBilling",
                    "%1, line %2: not \"pattern , minute\" or "
                    "\"pattern , volume\"")
                    .arg(path)
                    .arg(i + 1) };
        patterns.push_back(
            { pattern, bill == billWord(LinkBill::Volume) ? LinkBill::Volume : LinkBill::Minute });
    }
    return { LinkBilling(std::move(patterns)), true, QString() };
}

FileResult SaveLinkBilling(const QString &path, const LinkBilling &billing)
{
    QStringList lines;
    for (const LinkPattern &pattern : billing.patterns()) {
        if (!isPattern(pattern.pattern))
            return FileResult::failure(QStringLiteral("not a link pattern: ") + pattern.pattern);
        lines << pattern.pattern + kSeparator + billWord(pattern.bill);
    }
    return writeLines(path, lines);
}

QString linkBillingPath(const QString &logPath)
{
    return QFileInfo(logPath).dir().filePath(QString::fromUtf16(kLinkBillingFileName));
}

std::optional<bool> meteredOf(unsigned value)
{
    switch (value) {
    case 1:
    case 3:
        return true;
    case 2:
    case 4:
        return false;
    default:
        return std::nullopt;
    }
}
