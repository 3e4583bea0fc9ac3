#include "calltime/link_billing.h"

#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

namespace {

constexpr auto V = LinkBill::Volume;
constexpr auto M = LinkBill::Minute;

TEST(LinkBilling, TheFirstPatternThatMatchesDecidesAndNetworkManagerOnlyWithoutTheUsers)
{
    const LinkBilling defaults;
    const LinkBilling chosen({ { "ppp1", V }, { "usb?", V } });
    const struct
    {
        const LinkBilling &billing;
        const char *link;
        std::optional<bool> metered;
        LinkBill bill;
    } cases[] = {
        { defaults, "wwan0", std::nullopt, V },
        { defaults, "wwp0s20f0u6", std::nullopt, V },
        { defaults, "ppp0", std::nullopt, M },
        { defaults, "eth0", std::nullopt, M },
        { defaults, "xwwan0", std::nullopt, M },
        { defaults, "wwan0", false, M },
        { defaults, "ppp0", true, V },
        { chosen, "ppp1", std::nullopt, V },
        { chosen, "ppp1", false, V },
        { chosen, "usb0", std::nullopt, V },
        { chosen, "usb10", std::nullopt, M },
        { chosen, "wwan0", true, M },
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.billing.billOf(c.link, c.metered), c.bill)
            << c.link << " " << (c.billing.isChosen() ? "chosen" : "defaults");
    }
    EXPECT_EQ(defaults.volumePatterns(), QStringList({ "wwan*", "wwp*" }));
    // NetworkManager's Metered: 1 yes, 2 no, 3 and 4 its guesses, 0 unknown.
    for (auto [value, metered] : { std::pair { 0u, std::optional<bool>() }, { 1u, true },
             { 2u, false }, { 3u, true }, { 4u, false }, { 5u, std::nullopt } })
        EXPECT_EQ(meteredOf(value), metered) << value;
}

TEST(LinkBilling, TheFileReadsBackAndADamagedOneGivesTheDefaultsAndItsLine)
{
    TempProgramDir dir;
    const QString path = dir.file("netlinks.ini");
    EXPECT_EQ(linkBillingPath(dir.file("netcosts.ini")), path);
    const LinkBillingLoad none = LoadLinkBilling(path);
    EXPECT_TRUE(none.ok);
    EXPECT_FALSE(none.billing.isChosen());

    const LinkBilling chosen({ { "ppp1", V }, { "ppp*", M }, { "wwan*", V } });
    ASSERT_TRUE(SaveLinkBilling(path, chosen).ok);
    EXPECT_EQ(
        dir.read("netlinks.ini"), "ppp1  ,  volume\r\nppp*  ,  minute\r\nwwan*  ,  volume\r\n");
    EXPECT_EQ(LoadLinkBilling(path).billing, chosen);
    EXPECT_FALSE(SaveLinkBilling(path, LinkBilling({ { "a b", V } })).ok);

    const struct
    {
        QByteArray file;
        bool ok;
        QStringList volume;
    } cases[] = {
        { "", true, {} },
        { "wwan1,volume\n\r\n", true, { "wwan1" } },
        { "ppp0  ,  volume\r\nwwan*  ,  bytes\r\n", false, { "wwan*", "wwp*" } },
        { "ppp0\r\n", false, { "wwan*", "wwp*" } },
        { "a b  ,  volume\r\n", false, { "wwan*", "wwp*" } },
        { "ppp0  ,  volume  ,  minute\r\n", false, { "wwan*", "wwp*" } },
    };
    for (const auto &c : cases) {
        dir.write("netlinks.ini", c.file);
        const LinkBillingLoad load = LoadLinkBilling(path);
        EXPECT_EQ(load.ok, c.ok) << c.file.constData();
        EXPECT_EQ(load.billing.volumePatterns(), c.volume) << c.file.constData();
        EXPECT_EQ(load.billing.isChosen(), c.ok) << c.file.constData();
        if (!c.ok) {
            EXPECT_TRUE(load.why.contains("line")) << load.why.toStdString();
        }
    }
}

} // namespace
