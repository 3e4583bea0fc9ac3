#pragma once

// How each link is billed: by the minute, as a dial-up call is, or by the
// bytes it moves, as a mobile operator bills data. Chosen by the link's
// name against patterns ("wwan*"), the first that matches deciding; a name
// none matches is billed by the minute. The patterns live in a file of
// their own beside the log, netlinks.ini (settings.ini keeps its four
// lines), Latin-1 with CR LF, one a line:
//     pattern  ,  minute|volume
// No file gives the defaults: mobile broadband (wwan*, wwp*) by volume, a
// modem's ppp* by the minute. Where the user has saved no patterns, what
// NetworkManager says of the device (its Metered property) comes first.

#include "common/text_file.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

inline constexpr char16_t kLinkBillingFileName[] = u"netlinks.ini";

enum class LinkBill { Minute, Volume };

struct LinkPattern
{
    QString pattern; // a wildcard pattern: "*" any run of characters, "?" one
    LinkBill bill = LinkBill::Minute;

    bool operator==(const LinkPattern &) const = default;
};

class LinkBilling
{
public:
    // The defaults.
    LinkBilling();
    explicit LinkBilling(std::vector<LinkPattern> patterns, bool chosen = true)
        : m_patterns(std::move(patterns))
        , m_chosen(chosen)
    { }

    const std::vector<LinkPattern> &patterns() const { return m_patterns; }
    // Whether the user chose these patterns (a file), rather than the defaults.
    bool isChosen() const { return m_chosen; }

    // metered: NetworkManager's word on the device, where it has one; it
    // counts only while the user has chosen no patterns of their own.
    LinkBill billOf(const QString &linkName, std::optional<bool> metered = std::nullopt) const;

    // The patterns billed by volume, in order.
    QStringList volumePatterns() const;

    bool operator==(const LinkBilling &) const = default;

private:
    std::vector<LinkPattern> m_patterns;
    bool m_chosen = false;
};

// What a pattern may hold, as the file takes it: no spaces, no commas,
// never empty, at most an interface name's 15 characters.
const QRegularExpression &linkPatternExpression();

struct LinkBillingLoad
{
    LinkBilling billing; // the defaults unless the file was read whole
    bool ok = true;
    QString why; // the line and what is wrong with it, for the user
};

// A file that cannot be read or holds a line Callwise could not have written
// gives the defaults and says which line and why.
LinkBillingLoad LoadLinkBilling(const QString &path);
FileResult SaveLinkBilling(const QString &path, const LinkBilling &billing);

// The file of the links' billing beside the log.
QString linkBillingPath(const QString &logPath);

// NetworkManager's Metered property of the device of a link: whether it is
// billed by volume; nothing where it does not know or does not run. The
// program asks over D-Bus once at a call's start, briefly.
class MeteredLinks
{
public:
    virtual ~MeteredLinks() = default;
    virtual std::optional<bool> isMetered(const QString &linkName) = 0;
};

// Metered's values: 0 unknown, 1 yes, 2 no, 3 guessed yes, 4 guessed no.
std::optional<bool> meteredOf(unsigned value);
