#include "data_files.h"

#include "alerts/alert_choices.h"
#include "calllog/call_journal.h"
#include "calllog/call_log.h"
#include "settings/auto_run.h"
#include "settings/file_registry_store.h"
#include "settings/settings_file.h"
#include "tariff/fee_file.h"

#include <QDir>

namespace {

QString at(const QString &dir, const char16_t *name)
{
    return QDir(dir).filePath(QString::fromUtf16(name));
}

bool saveRunEntry(const QString &dir, ScriptedPrompter &prompter, int round)
{
    FileRegistryStore store(dir.toStdString(), [&prompter](const std::string &text) {
        prompter.showMessage(QString::fromStdString(text));
    });
    const qsizetype before = prompter.messages.size();
    applyAutoRunTellingUser(
        1, { store, prompter, dir + QString::number(round), dir + "/callwise", {} });
    return prompter.messages.size() == before;
}

const DataFile kAll[] = {
    { "FeeFile", QString::fromUtf16(kFeeFileName),
        [](const QString &dir, ScriptedPrompter &, int round) {
            TariffTable table;
            table.setFee(2, 1, QString::number(3.25 + round));
            return SaveFees(table, at(dir, kFeeFileName)).ok;
        },
        {} },
    { "SettingsFile", QString::fromUtf16(kSettingsFileName),
        [](const QString &dir, ScriptedPrompter &, int round) {
            const FileResult result
                = SaveSettings(at(dir, kSettingsFileName), 1000 + round, { 0, 1, 0 });
            return result.ok || result.error.isEmpty(); // a failure has a reason to show
        },
        {} },
    { "CallLog", QString::fromUtf16(kCallLogFileName),
        [](const QString &dir, ScriptedPrompter &prompter, int) {
            return AppendCallRecord(
                at(dir, kCallLogFileName), "07:12:2026", "00:03:10", "06:58:02", 1.5, prompter)
                .ok;
        },
        QString::fromUtf16(kFileSaveError) },
    { "RegistryStore", QStringLiteral("registry.txt"), saveRunEntry,
        QStringLiteral("Failed to set registry value") },
    { "AlertsFile", QString::fromUtf16(kAlertsFileName),
        [](const QString &dir, ScriptedPrompter &, int round) {
            const FileResult result = SaveAlertChoices(
                at(dir, kAlertsFileName), { 5, 100000 + round, QDate(2026, 12, 1), 1, {}, {} });
            return result.ok || result.error.isEmpty(); // a failure has a reason to show
        },
        {} },
    { "CallJournal", QString::fromUtf16(kCallJournalFileName),
        [](const QString &dir, ScriptedPrompter &, int round) {
            return writeCallJournal(at(dir, kCallJournalFileName),
                callRecordLines(
                    "07:12:2026", QStringLiteral("00:00:0%1").arg(round), "06:58:02", 1.5))
                .ok;
        },
        {} },
};

} // namespace

const std::span<const DataFile> kDataFiles(kAll);

bool DataFile::toldOfFailure(const QStringList &shown) const
{
    if (failureMessage.isEmpty())
        return shown.isEmpty();
    return shown.size() == 1 && shown[0].startsWith(failureMessage);
}
