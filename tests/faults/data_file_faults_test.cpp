// Each data file under the faults a disk can have. Whatever happens, the call
// returns, the user is told when a save fails, and no byte saved before is
// changed, except where a load replaces a damaged file as designed.

#include "private_mounts.h"

#include "calllog/call_log.h"
#include "unit/calltime/call_clock_fixture.h"
#include "settings/auto_run.h"
#include "settings/file_registry_store.h"
#include "settings/settings_file.h"
#include "support/scripted_prompter.h"
#include "tariff/fee_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <random>

namespace {

const QString kFiller = QStringLiteral("filler");
constexpr qsizetype kMillion = 1000000;

// What loading a damaged file does to it.
enum class OnLoad { Keeps, WritesDefaults, SetsAside };

struct DataFile
{
    const char *name;
    QString fileName;
    // Writes the file as the program saves it.
    void (*prepare)(const QString &dir);
    // A file that holds a line of a million characters.
    QByteArray (*longLineFile)();
    // Loads it as start-up or its window does.
    void (*load)(const QString &dir, ScriptedPrompter &prompter);
    // Saves something new; ok as its caller sees it.
    bool (*save)(const QString &dir, ScriptedPrompter &prompter);
    // Shown on a failed save; empty where the window shows the returned error.
    QString failureMessage;
    OnLoad onRandomBytes;
    OnLoad onLongLine;
    // Whether a save keeps what it did not write itself, the long line too.
    bool keepsOtherContent;
};

QString at(const QString &dir, const QString &name)
{
    return QDir(dir).filePath(name);
}

bool saveNewFees(const QString &dir, ScriptedPrompter &)
{
    TariffTable table;
    table.setFee(2, 1, QStringLiteral("3.25"));
    return SaveFees(table, at(dir, QString::fromUtf16(kFeeFileName))).ok;
}

bool saveNewSettings(const QString &dir, ScriptedPrompter &)
{
    const FileResult result = SaveSettings(at(dir, QString::fromUtf16(kSettingsFileName)), 1000,
        Settings { 0, 1, 0 });
    // The settings window shows the reason with its message.
    EXPECT_TRUE(result.ok || !result.error.isEmpty());
    return result.ok;
}

bool appendCall(const QString &dir, ScriptedPrompter &prompter)
{
    return AppendCallRecord(at(dir, QString::fromUtf16(kCallLogFileName)), "07:12:2026",
        "00:03:10", "06:58:02", 1.5, prompter)
        .ok;
}

void writeRunEntry(const QString &dir, const QString &programDir, ScriptedPrompter &prompter)
{
    FileRegistryStore store(dir.toStdString(),
        [&prompter](const std::string &text) { prompter.showMessage(QString::fromStdString(text)); });
    applyAutoRunTellingUser(1, { store, prompter, programDir, programDir + "/callwise", {} });
}

bool saveNewRunEntry(const QString &dir, ScriptedPrompter &prompter)
{
    const qsizetype before = prompter.messages.size();
    writeRunEntry(dir, QStringLiteral("/usr/local/callwise"), prompter);
    return prompter.messages.size() == before;
}

const DataFile kDataFiles[] = {
    {
        "FeeFile",
        QString::fromUtf16(kFeeFileName),
        [](const QString &dir) { SaveFees(TariffTable(), at(dir, QString::fromUtf16(kFeeFileName))); },
        [] { return QByteArray(kMillion, '9') + "\r\n00:00\r\n1.50\r\n"; },
        [](const QString &dir, ScriptedPrompter &) {
            TariffTable table;
            LoadFees(table, at(dir, QString::fromUtf16(kFeeFileName)));
        },
        saveNewFees,
        {},
        OnLoad::Keeps,
        OnLoad::Keeps,
        false,
    },
    {
        "SettingsFile",
        QString::fromUtf16(kSettingsFileName),
        [](const QString &dir) {
            SaveSettings(at(dir, QString::fromUtf16(kSettingsFileName)), 5000, Settings { 0, 1, 1 });
        },
        // Blanks are skipped, leaving 70000, past the largest interval.
        [] { return "70000" + QByteArray(kMillion, ' ') + "\r\n0\r\n1\r\n1\r\n"; },
        [](const QString &dir, ScriptedPrompter &) {
            Settings settings;
            LoadSettings(at(dir, QString::fromUtf16(kSettingsFileName)), settings);
        },
        saveNewSettings,
        {},
        // Random lines start with no number and read as 0, which is in range.
        OnLoad::Keeps,
        OnLoad::WritesDefaults,
        false,
    },
    {
        "CallLog",
        QString::fromUtf16(kCallLogFileName),
        [](const QString &dir) {
            ScriptedPrompter quiet;
            // 74 records of 55 bytes end 26 bytes short of a page, so on a
            // full tmpfs the next record is cut off midway.
            for (int i = 0; i < 74; ++i)
                appendCall(dir, quiet);
        },
        [] { return QByteArray(kMillion, ',') + "\r\n07:12:2026  ,  \r\n"; },
        [](const QString &dir, ScriptedPrompter &) {
            LoadCallLog(at(dir, QString::fromUtf16(kCallLogFileName)));
        },
        appendCall,
        QString::fromUtf16(kFileSaveError),
        OnLoad::Keeps,
        OnLoad::Keeps,
        true,
    },
    {
        "RegistryStore",
        QStringLiteral("registry.txt"),
        [](const QString &dir) {
            ScriptedPrompter quiet;
            writeRunEntry(dir, QStringLiteral("/opt/callwise"), quiet);
        },
        [] {
            return "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n\"Long\" = 1 : \""
                + QByteArray(kMillion, 'x') + "\"\n";
        },
        [](const QString &dir, ScriptedPrompter &prompter) {
            FileRegistryStore store(dir.toStdString(), [&prompter](const std::string &text) {
                prompter.showMessage(QString::fromStdString(text));
            });
            RegistryKey key = 0;
            if (store.openKey(kHkeyLocalMachine, kRunKeyPath, kKeyQueryValue, key) == 0)
                store.closeKey(key);
        },
        saveNewRunEntry,
        QStringLiteral("Failed to set registry value"),
        OnLoad::SetsAside,
        OnLoad::Keeps,
        true,
    },
};

void PrintTo(const DataFile &data, std::ostream *out)
{
    *out << data.name;
}

using Checksums = std::map<QString, QByteArray>;

Checksums checksums(const QString &dir)
{
    Checksums sums;
    const QDir place(dir);
    for (const QString &name : place.entryList(QDir::Files | QDir::Hidden)) {
        if (name == kFiller)
            continue;
        QFile file(place.filePath(name));
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (file.open(QIODevice::ReadOnly))
            hash.addData(&file);
        sums[name] = hash.result();
    }
    return sums;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray randomBytes(qsizetype size)
{
    std::mt19937 generator(20261207);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator() & 0xFF);
    return bytes;
}

class DataFileFaults : public testing::TestWithParam<DataFile>
{
protected:
    const DataFile &data() const { return GetParam(); }
    QString file() const { return at(m_dir, data().fileName); }

    // Every data file as saved, so a fault in one shows if it reaches another.
    void prepareAll()
    {
        for (const DataFile &each : kDataFiles)
            each.prepare(m_dir);
        ASSERT_EQ(checksums(m_dir).size(), std::size(kDataFiles));
    }

    // What the save writes where there was no file.
    QByteArray freshSave() const
    {
        QTemporaryDir fresh;
        ScriptedPrompter quiet;
        data().save(fresh.path(), quiet);
        return readAll(at(fresh.path(), data().fileName));
    }

    void expectFailedSaveTold(bool ok) const
    {
        EXPECT_FALSE(ok);
        const std::string shown = prompter.messages.join(u'\n').toStdString();
        if (data().failureMessage.isEmpty()) {
            EXPECT_TRUE(prompter.messages.isEmpty()) << shown;
            return;
        }
        ASSERT_EQ(prompter.messages.size(), 1) << shown;
        EXPECT_TRUE(prompter.messages[0].startsWith(data().failureMessage)) << shown;
    }

    // Loads damaged bytes, then saves over them.
    void loadAndSaveDamaged(const QByteArray &damaged, OnLoad onLoad)
    {
        prepareAll();
        writeAll(file(), damaged);
        Checksums expected = checksums(m_dir);
        const QByteArray damagedSum = expected[data().fileName];

        data().load(m_dir, prompter);

        switch (onLoad) {
        case OnLoad::Keeps:
            EXPECT_TRUE(prompter.messages.isEmpty());
            break;
        case OnLoad::WritesDefaults:
            EXPECT_EQ(readAll(file()), "20000\r\n0\r\n1\r\n1\r\n");
            expected.erase(data().fileName);
            expected[data().fileName] = checksums(m_dir)[data().fileName];
            break;
        case OnLoad::SetsAside:
            ASSERT_EQ(prompter.messages.size(), 1);
            EXPECT_TRUE(prompter.messages[0].contains(u"could not be read"));
            expected.erase(data().fileName);
            expected[data().fileName + QStringLiteral(".damaged")] = damagedSum;
            break;
        }
        EXPECT_EQ(checksums(m_dir), expected);

        prompter.messages.clear();
        EXPECT_TRUE(data().save(m_dir, prompter));
        EXPECT_TRUE(prompter.messages.isEmpty());
        const QByteArray after = readAll(file());
        if (data().fileName == QString::fromUtf16(kCallLogFileName)) {
            EXPECT_TRUE(after.startsWith(damaged)) << "an append changed bytes before it";
        } else if (!data().keepsOtherContent || onLoad == OnLoad::SetsAside) {
            EXPECT_EQ(after, freshSave());
        }
        expected.erase(data().fileName);
        Checksums now = checksums(m_dir);
        now.erase(data().fileName);
        EXPECT_EQ(now, expected);
    }

    QTemporaryDir m_tempDir;
    QString m_dir = m_tempDir.path();
    ScriptedPrompter prompter;
};

TEST_P(DataFileFaults, UnwritableDirectoryRefusesTheSaveAndTellsTheUser)
{
    prepareAll();
    const Checksums before = checksums(m_dir);
    ReadOnlyDir readOnly(m_dir);
    if (!readOnly.unavailable.isEmpty())
        GTEST_SKIP() << "no read-only directory: " << readOnly.unavailable.toStdString();

    data().load(m_dir, prompter);
    EXPECT_TRUE(prompter.messages.isEmpty());
    expectFailedSaveTold(data().save(m_dir, prompter));
    EXPECT_EQ(checksums(m_dir), before);
}

TEST_P(DataFileFaults, FullDiskRefusesTheSaveAndTellsTheUser)
{
    TinyDisk disk(m_dir + "/disk", 64 * 1024);
    if (!disk.unavailable.isEmpty())
        GTEST_SKIP() << "no tiny disk: " << disk.unavailable.toStdString();
    m_dir += "/disk";
    prepareAll();
    ASSERT_GT(fillDisk(m_dir, kFiller), 0);
    const Checksums before = checksums(m_dir);

    data().load(m_dir, prompter);
    EXPECT_TRUE(prompter.messages.isEmpty());
    expectFailedSaveTold(data().save(m_dir, prompter));
    EXPECT_EQ(checksums(m_dir), before);
    EXPECT_EQ(QDir(m_dir).entryList(QDir::Files).size(), std::size(kDataFiles) + 1)
        << "a temporary file was left behind";
}

TEST_P(DataFileFaults, DirectoryInPlaceOfTheFileIsLeftAndTheUserTold)
{
    prepareAll();
    ASSERT_TRUE(QFile::remove(file()));
    ASSERT_TRUE(QDir().mkdir(file()));
    const Checksums before = checksums(m_dir);

    data().load(m_dir, prompter);
    EXPECT_TRUE(prompter.messages.isEmpty());
    expectFailedSaveTold(data().save(m_dir, prompter));
    EXPECT_TRUE(QFileInfo(file()).isDir());
    EXPECT_EQ(checksums(m_dir), before);
}

TEST_P(DataFileFaults, FileRemovedAfterLoadingIsSavedAnew)
{
    prepareAll();
    data().load(m_dir, prompter);
    ASSERT_TRUE(QFile::remove(file()));
    Checksums before = checksums(m_dir);

    EXPECT_TRUE(data().save(m_dir, prompter));
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(readAll(file()), freshSave());
    Checksums after = checksums(m_dir);
    after.erase(data().fileName);
    EXPECT_EQ(after, before);
}

TEST_P(DataFileFaults, MegabytesOfRandomBytesLoadAndAreSavedOver)
{
    loadAndSaveDamaged(randomBytes(4 * 1024 * 1024), data().onRandomBytes);
}

TEST_P(DataFileFaults, LineOfAMillionCharactersLoadsAndIsSavedOver)
{
    const QByteArray longLine = data().longLineFile();
    loadAndSaveDamaged(longLine, data().onLongLine);
    if (data().keepsOtherContent) {
        EXPECT_GT(readAll(file()).size(), kMillion) << "the long line was dropped";
    }
}

// A call timed over a disk that refuses its journal goes on without a word,
// and its end is told as any failed append is.
class CallJournalFaults : public CallClockTest, public testing::WithParamInterface<bool>
{
};

TEST_P(CallJournalFaults, ACallGoesOnWithoutAWordAndItsEndIsTold)
{
    std::optional<TinyDisk> full;
    std::optional<ReadOnlyDir> readOnly;
    const QString unavailable = GetParam() ? full.emplace(dir.path(), 64 * 1024).unavailable
                                           : readOnly.emplace(dir.path()).unavailable;
    if (!unavailable.isEmpty())
        GTEST_SKIP() << unavailable.toStdString();
    if (full) {
        ASSERT_GT(fillDisk(dir.path(), kFiller), 0);
    }
    startAt(QTime(10, 0, 0));
    for (int s = 1; s <= 130; ++s)
        tickAt(QTime(10, 0, 0).addSecs(s));
    EXPECT_TRUE(prompter.messages.isEmpty());
    scan(false);
    EXPECT_EQ(prompter.messages, QStringList{"File Save ERROR"});
}

INSTANTIATE_TEST_SUITE_P(FullOrReadOnly, CallJournalFaults, testing::Bool());

INSTANTIATE_TEST_SUITE_P(EachDataFile, DataFileFaults, testing::ValuesIn(kDataFiles),
    [](const testing::TestParamInfo<DataFile> &info) { return std::string(info.param.name); });

} // namespace
