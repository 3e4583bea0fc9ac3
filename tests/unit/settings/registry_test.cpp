#include "settings/c_registry.h"
#include "settings/file_registry_store.h"

#include "settings/auto_run.h"
#include "settings/run_entry.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QFile>

#include <stdexcept>

using namespace std::string_literals;

namespace {

// A store that has broken down: every call but the close answers with what
// `fail` returns, or throws what it throws.
class BrokenStore final : public RegistryStore
{
public:
    explicit BrokenStore(std::function<RegistryResult()> fail)
        : fail(std::move(fail))
    { }

    using Text = const std::string &;
    using Size = std::size_t;
    using Key = RegistryKey;
    using Word = std::uint32_t;
    RegistryResult createKey(std::int32_t, Text, Word, Key &) override { return fail(); }
    RegistryResult openKey(std::int32_t, Text, Word, Key &) override { return fail(); }
    RegistryResult setValue(Key, Text, Word, Text) override { return fail(); }
    RegistryResult enumValue(Key, Word, Size, Size, RegistryValueEntry &) override { return fail(); }
    RegistryResult enumKey(Key, Word, Size, std::string &) override { return fail(); }
    RegistryResult closeKey(RegistryKey) override { return RegistryCode::Success; }

    std::function<RegistryResult()> fail;
};

BrokenStore refusingStore()
{
    return BrokenStore([] { return RegistryResult(RegistryCode::AccessDenied); });
}

class RegistryTest : public testing::Test
{
protected:
    cRegistry registryAt(const std::string &section) { return registryOver(store, section); }
    cRegistry registryOver(
        RegistryStore &over, const std::string &section, const std::string &value = "Callwise")
    {
        cRegistry registry(
            { over, "callwise", [this](const std::string &m) { shown.push_back(m); } });
        registry.ClassKey(kHkeyLocalMachine);
        registry.SectionKey(section);
        registry.ValueKey(value);
        return registry;
    }
    void put(const std::string &section, const std::string &name, std::uint32_t type,
        const std::string &data)
    {
        RegistryKey key = 0;
        store.createKey(kHkeyLocalMachine, section, kKeyAllSpecificRights, key);
        store.setValue(key, name, type, data);
        store.closeKey(key);
    }

    std::unique_ptr<FileRegistryStore> again()
    {
        return std::make_unique<FileRegistryStore>(
            dir.path().toStdString(), [this](const std::string &m) { notices.push_back(m); });
    }

    TempProgramDir dir;
    std::vector<std::string> notices;
    std::unique_ptr<FileRegistryStore> first = again();
    FileRegistryStore &store = *first;
    std::vector<std::string> shown;
};

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

void PrintTo(const ReadCase &c, std::ostream *out) { *out << c.what; }

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

const StoredValue kFound { "Callwise", kRegSz, "after\0"s };

const ReadCase kReads[] = {
    { "no key", {}, "none" },
    { "names match with case", { { "callwise", kRegSz, "lower\0"s } }, "none" },
    { "bytes of other types whole", { { "Callwise", 4, "\x01\x02\x03\x04"s } },
        "\x01\x02\x03\x04"s },
    // a value too long for the 255-byte buffers ends the search
    { "255 data bytes fit", { { "d", kRegSz, std::string(255, 'x') }, kFound }, "after" },
    { "256 data bytes do not", { { "d", kRegSz, std::string(256, 'x') }, kFound }, "none" },
    { "254 name bytes and a NUL fit", { { std::string(254, 'n'), kRegSz, "\0"s }, kFound },
        "after" },
    { "255 name bytes do not", { { std::string(255, 'n'), kRegSz, "\0"s }, kFound }, "none" },
};

INSTANTIATE_TEST_SUITE_P(Values, RegistryRead, testing::ValuesIn(kReads));

// A refusal raises error 26001 and shows nothing; a store breaking down is
// shown with its number, then raised.
TEST_F(RegistryTest, RefusedWriteRaises26001AndAStoreBreakingDownIsShownFirst)
{
    BrokenStore refusing = refusingStore();
    try {
        registryOver(refusing, kRunKeyPath).Value("abc");
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

TEST_F(RegistryTest, KeepsValuesAcrossRunsInAReadableFile)
{
    registryAt("\\SOFTWARE\\Run").Value("/opt/callwise\\CALLWISE.exe \"q\" \xA3");
    EXPECT_TRUE(dir.read("registry.txt").contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Run]\n"
                                "\"Callwise\" = 1 : \"/opt/callwise\\\\CALLWISE.exe \\\"q\\\" "
                                "\\xA3\\x00\"\n"))
        << dir.read("registry.txt").toStdString();
    // Paths match with or without the leading backslash, and with case ignored.
    auto next = again();
    EXPECT_EQ(
        registryOver(*next, "software\\run").Value(), "/opt/callwise\\CALLWISE.exe \"q\" \xA3");
    EXPECT_TRUE(notices.empty());
}

TEST_F(RegistryTest, DamagedFileIsKeptAsideAndTheUserToldOnce)
{
    for (const QByteArray damaged : { "[HKEY_LOCAL_MACHINE\\Run]\n\"Callwise\" = 1 : \"cut off",
             "[HKEY_LOCAL_MACHINE\\Run]\n\"Callwise\" =  : \"no type\"\n" }) {
        notices.clear();
        QFile::remove(dir.file("registry.txt.damaged"));
        dir.write("registry.txt", damaged);
        auto next = again();
        cRegistry registry = registryOver(*next, "Run");
        registry.Default("none");
        EXPECT_EQ(registry.Value(), "none");
        registry.Value("new");
        EXPECT_EQ(registry.Value(), "new");
        ASSERT_EQ(notices.size(), 1u) << damaged.toStdString();
        EXPECT_NE(notices[0].find("registry.txt.damaged"), std::string::npos);
        EXPECT_EQ(dir.read("registry.txt.damaged"), damaged);
    }
}

TEST_F(RegistryTest, PathsWithAnEmptyPartAreRefused)
{
    // found by fuzzing: [HKEY_CLASSES_ROOT\\o] was read as a key listed as
    // "o" that could not be opened by that name
    dir.write("registry.txt", "[HKEY_CLASSES_ROOT\\\\o]\n");
    auto next = again();
    RegistryKey key = 0;
    ASSERT_EQ(
        next->openKey(kHkeyClassesRoot, "", kKeyAllSpecificRights, key), RegistryCode::Success);
    std::string name;
    EXPECT_EQ(next->enumKey(key, 0, 256, name), RegistryCode::NoMoreItems);
    EXPECT_EQ(notices.size(), 1u); // not understood, so kept aside
    EXPECT_EQ(next->createKey(kHkeyCurrentUser, "\\\\o", kKeyAllSpecificRights, key),
        RegistryCode::BadPathname);
    EXPECT_EQ(next->createKey(kHkeyCurrentUser, "a\\\\b", kKeyAllSpecificRights, key),
              RegistryCode::BadPathname);
    EXPECT_EQ(next->createKey(kHkeyCurrentUser, "\\o", kKeyAllSpecificRights, key),
        RegistryCode::Success);
}


class AutoRunTest : public RegistryTest
{
protected:
    AutoRunPlace place(const QString &programDir = QStringLiteral("/opt/call wise"))
    {
        return placeIn(store, programDir);
    }
    AutoRunPlace placeIn(
        RegistryStore &over, const QString &programDir = QStringLiteral("/opt/call wise"))
    {
        return { over, prompter, programDir, QStringLiteral("/opt/call wise/callwise"),
            dir.file("autostart") };
    }
    std::string runEntry() { return registryAt(kRunKeyPath).Value(); }
    QByteArray autostartEntry() { return dir.read("autostart/callwise.desktop"); }

    ScriptedPrompter prompter;
};

TEST_F(AutoRunTest, OnWritesThePathOffEmptiesItOtherFlagsLeaveIt)
{
    ASSERT_TRUE(ApplyAutoRun(1, place()).ok);
    EXPECT_EQ(runEntry(), "/opt/call wise\\CALLWISE.exe");
    EXPECT_EQ(autostartEntry(),
        "[Desktop Entry]\nType=Application\nName=Callwise\n"
        "Exec=\"/opt/call wise/callwise\"\nTerminal=false\n");

    ASSERT_TRUE(ApplyAutoRun(2, place()).ok);
    EXPECT_EQ(runEntry(), "/opt/call wise\\CALLWISE.exe");
    EXPECT_FALSE(autostartEntry().isEmpty());

    ASSERT_TRUE(ApplyAutoRun(0, place()).ok);
    // Emptied, never deleted.
    EXPECT_TRUE(dir.read("registry.txt").contains("\"Callwise\" = 1 : \"\\x00\"\n"));
    EXPECT_FALSE(dir.exists("autostart/callwise.desktop"));
}

TEST_F(AutoRunTest, FailedWriteIsToldAndTheRunGoesOn)
{
    BrokenStore refusing = refusingStore();
    EXPECT_THROW(ApplyAutoRun(1, placeIn(refusing)), RegistryError);

    applyAutoRunTellingUser(0, placeIn(refusing));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].endsWith("Key: 'Callwise' to value: ''"));
}


} // namespace
