#include "registry_store_fixture.h"
#include "settings/run_entry.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace std::string_literals;

namespace {

TEST_F(RegistryTest, WriteCreatesTheKeyAndStoresTextWithItsNul)
{
    cRegistry registry = registryAt("\\SOFTWARE\\Run");
    EXPECT_FALSE(registry.KeyExists());
    registry.Value("C:\\\\CALLWISE.exe");
    EXPECT_TRUE(registry.KeyExists());
    EXPECT_EQ(registry.Value(), "C:\\\\CALLWISE.exe");

    registry.Value("");
    const auto entry = stored("SOFTWARE\\Run", "Callwise");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->type, kRegSz);
    EXPECT_EQ(entry->data, "\0"s);
}

struct StoredValue
{
    std::string name;
    std::uint32_t type;
    std::string data;
};

struct ReadCase
{
    const char *what;
    std::vector<StoredValue> values; // under "Key", in this order
    std::string read; // Value() of "Callwise" with the default "none"
};

void PrintTo(const ReadCase &c, std::ostream *out)
{
    *out << c.what;
}

class RegistryRead : public RegistryTest, public testing::WithParamInterface<ReadCase>
{
};

TEST_P(RegistryRead, FindsTheValueOrFallsBackToTheDefault)
{
    for (const StoredValue &value : GetParam().values)
        put("Key", value.name, value.type, value.data);
    cRegistry registry = registryAt(GetParam().values.empty() ? "Missing" : "Key");
    EXPECT_EQ(registry.Value(), GetParam().read == "none" ? "" : GetParam().read);
    registry.Default("none");
    EXPECT_EQ(registry.Value(), GetParam().read);
}

const std::string kAfter = "after\0"s;

INSTANTIATE_TEST_SUITE_P(Values, RegistryRead,
    testing::Values(ReadCase { "no key", {}, "none" },
        ReadCase { "names match with case", { { "callwise", kRegSz, "lower\0"s } }, "none" },
        ReadCase { "bytes of other types whole", { { "Callwise", 4, "\x01\x02\x03\x04"s } },
            "\x01\x02\x03\x04"s },
        // a value too long for the 255-byte buffers ends the search
        ReadCase { "255 data bytes fit",
            { { "d", kRegSz, std::string(255, 'x') }, { "Callwise", kRegSz, kAfter } }, "after" },
        ReadCase { "256 data bytes do not",
            { { "d", kRegSz, std::string(256, 'x') }, { "Callwise", kRegSz, kAfter } }, "none" },
        ReadCase { "254 name bytes and a NUL fit",
            { { std::string(254, 'n'), kRegSz, "\0"s }, { "Callwise", kRegSz, kAfter } }, "after" },
        ReadCase { "255 name bytes do not",
            { { std::string(255, 'n'), kRegSz, "\0"s }, { "Callwise", kRegSz, kAfter } },
            "none" }));

TEST_F(RegistryTest, EnumerationsAndCreateKey)
{
    put("Key", "a", kRegSz, "1\0"s);
    put("Key", "b", kRegSz, "2\0"s);
    put("Key", "c", 3, "3"s);
    put("Key\\Sub1", "x", kRegSz, "\0"s);
    put("Key\\Sub2\\Deeper", "x", kRegSz, "\0"s);

    ValueGrid values;
    std::int16_t count = -1;
    registryAt("Key").EnumerateValues(values, count);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(values.columns(), 3);
    EXPECT_EQ(values(1, 1), "a");
    EXPECT_EQ(values(2, 2), "2");
    EXPECT_EQ(values(2, 3), "3");

    OneBasedArray<std::string> sections;
    registryAt("Key").EnumerateSections(sections, count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(sections(1), "Sub1");
    EXPECT_EQ(sections(2), "Sub2");

    registryAt("Missing").EnumerateValues(values, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(values.columns(), 0);

    cRegistry created = registryAt("A\\B");
    EXPECT_TRUE(created.CreateKey());
    EXPECT_TRUE(created.KeyExists());
    created.ClassKey(12345);
    EXPECT_FALSE(created.CreateKey());
}

TEST_F(RegistryTest, RefusedWriteRaises26001AndShowsNothing)
{
    BrokenStore refusing = refusingStore();
    cRegistry registry = registryOver(refusing, kRunKeyPath);
    try {
        registry.Value("abc");
        FAIL() << "no error raised";
    } catch (const RegistryError &error) {
        EXPECT_EQ(error.Number, 26001);
        EXPECT_EQ(error.Source, "callwise.cRegistry");
        EXPECT_EQ(error.Description(),
            "Failed to set registry value Key: '-2147483646',Section: "
            "'\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run',Key: 'Callwise' to "
            "value: 'abc'");
    }
    EXPECT_TRUE(shown.empty());
}

TEST_F(RegistryTest, StoreBreakingDownIsShownWithItsNumberThenRaised)
{
    const std::pair<std::function<void()>, const char *> faults[]
        = { { [] { throw RegistryFault(5, "Invalid procedure call or argument"); },
                "ERROR #5 : Invalid procedure call or argument" },
              { [] { throw std::runtime_error("disk on fire"); }, "ERROR #51 : disk on fire" },
              { [] { throw std::bad_alloc(); }, "ERROR #7 : Out of memory" },
              { [] { throw 42; }, "ERROR #51 : Internal error" } };
    for (const auto &[fault, message] : faults) {
        shown.clear();
        BrokenStore broken([fault] {
            fault();
            return RegistryResult(0);
        });
        EXPECT_THROW(registryOver(broken, "Key").Value("abc"), RegistryError);
        EXPECT_EQ(shown, std::vector<std::string> { message + "\rPlease exit and try again."s });
    }
}

} // namespace
