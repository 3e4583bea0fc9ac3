#include "registry_store_fixture.h"

#include <gtest/gtest.h>

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

TEST_F(RegistryTest, ReadFallsBackToDefault)
{
    cRegistry registry = registryAt("Missing");
    EXPECT_EQ(registry.Value(), "");
    registry.Default("none");
    EXPECT_EQ(registry.Value(), "none");

    put("Key", "run", kRegSz, "lower\0"s);
    cRegistry named = registryAt("Key", "Run");
    named.Default("none");
    EXPECT_EQ(named.Value(), "none"); // names match with case distinguished
}

TEST_F(RegistryTest, ReadStopsAtAValueTooLongForTheBuffers)
{
    put("Key", "long", kRegSz, std::string(300, 'x') + '\0');
    put("Key", "Callwise", kRegSz, "after\0"s);
    cRegistry registry = registryAt("Key");
    registry.Default("default");
    EXPECT_EQ(registry.Value(), "default");
}

TEST_F(RegistryTest, NonTextValueComesBackAsItsBytes)
{
    put("Key", "Callwise", 4, "\x01\x02\x03\x04"s);
    EXPECT_EQ(registryAt("Key").Value(), "\x01\x02\x03\x04"s);
}

TEST_F(RegistryTest, Enumerations)
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
}

TEST_F(RegistryTest, CreateKey)
{
    cRegistry registry = registryAt("A\\B");
    EXPECT_TRUE(registry.CreateKey());
    EXPECT_TRUE(registry.KeyExists());
    registry.ClassKey(12345);
    EXPECT_FALSE(registry.CreateKey());
}

TEST_F(RegistryTest, RefusedWriteRaises26001)
{
    store.refuse = true;
    cRegistry registry = registryAt("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
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

TEST_F(RegistryTest, RunTimeFailureIsShownThenRaised)
{
    store.fault = RegistryFault(5, "Invalid procedure call or argument");
    cRegistry registry = registryAt("Key");
    EXPECT_THROW(registry.Value("abc"), RegistryError);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(
        shown[0], "ERROR #5 : Invalid procedure call or argument\rPlease exit and try again.");
}

} // namespace
