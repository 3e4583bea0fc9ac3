#pragma once

// The tariff in force, read from its files once: the weekly fees
// (netfees.ini), the rules (netrules.ini) and the data tariff (netdata.ini)
// are read when the program starts and again only when a window has saved
// one of them or one changes on disk. Every price is worked from the one
// value it holds and the one pricer built from it, never from the files'
// texts again.

#include "tariff/call_price.h"
#include "tariff/data_tariff_file.h"
#include "tariff/rules_file.h"
#include "tariff/tariff_rules.h"
#include "tariff/tariff_table.h"

#include <QObject>

#include <array>
#include <memory>
#include <optional>

class QFileSystemWatcher;
class QTimer;

struct Tariff
{
    TariffTable table;
    TariffRules rules; // in force: the default rules when the file cannot be used
    RulesLoad rulesFile; // netrules.ini as read, for the rules window
    DataTariffLoad dataFile; // netdata.ini as read

    // The data tariff, where one is set.
    const DataTariff *data() const { return dataFile.tariff ? &*dataFile.tariff : nullptr; }
    // Which tariff prices a call: one on a link billed by volume is priced
    // by the data tariff where one is set; every other call, and one on such
    // a link without a data tariff, by the minute. Null: by the minute.
    const DataTariff *pricesCall(bool linkByVolume) const
    {
        return linkByVolume ? data() : nullptr;
    }
};

class TariffSource : public QObject
{
    Q_OBJECT

public:
    struct Files
    {
        QString fees;
        QString rules;
        QString data; // empty: no data tariff
    };

    // Read by the first reload().
    explicit TariffSource(Files files, QObject *parent = nullptr);
    // A tariff of no files, as it is given: another tariff tried on old calls.
    explicit TariffSource(Tariff tariff, QObject *parent = nullptr);
    ~TariffSource() override;

    // Follows the files on disk from now on.
    void watch();

    // After a window saved a file, or on news of a change: reads again each
    // file whose contents differ from when it was last read. True when the
    // tariff changed.
    bool reload();

    // A table not saved yet priced as it is typed (the tariff editor's
    // boxes), or the saved one again; the files are not read.
    void useTable(const TariffTable &table);
    // A whole tariff as it is given, the files not read.
    void use(Tariff tariff);

    const Tariff &tariff() const { return *m_value; }
    std::shared_ptr<const Tariff> value() const { return m_value; }
    // Built once per tariff.
    const CallPricer &pricer() const;
    std::shared_ptr<const CallPricer> sharedPricer() const;

    // How many times a file has been read, for the tests.
    int reads() const { return m_reads; }

Q_SIGNALS:
    void changed();

private:
    enum FileKind { Fees, Rules, Data, kFileKinds };
    // What a file held when it was read: its contents' digest, not its
    // size and times, which a rewrite within the file system's tick (a few
    // milliseconds; two seconds on FAT) leaves as they were.
    struct Stamp
    {
        bool exists = false;
        QByteArray digest;
        bool operator==(const Stamp &) const = default;
    };
    static Stamp stampOf(const QString &path);
    QString pathOf(FileKind kind) const;
    void read(Tariff &tariff, FileKind kind);
    void set(std::shared_ptr<const Tariff> value);
    void rearm();

    Files m_files;
    std::array<std::optional<Stamp>, kFileKinds> m_stamps; // none: never read
    std::shared_ptr<const Tariff> m_value;
    mutable std::shared_ptr<const CallPricer> m_pricer; // built when first asked for
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_settle = nullptr;
    int m_reads = 0;
};
