#include "tariff/tariff_source.h"

#include "tariff/fee_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace {

// A save seen on disk is read once the writer is done with the directory:
// a rename is news at once, a hand edit may come in several writes.
constexpr int kSettleMs = 100;

bool sameTariff(const Tariff &one, const Tariff &other)
{
    return one.table == other.table && one.rules == other.rules
        && one.rulesFile.why == other.rulesFile.why
        && one.dataFile.tariff == other.dataFile.tariff && one.dataFile.why == other.dataFile.why;
}

} // namespace

TariffSource::TariffSource(Files files, QObject *parent)
    : QObject(parent)
    , m_files(std::move(files))
    , m_value(std::make_shared<const Tariff>())
{ }

TariffSource::TariffSource(Tariff tariff, QObject *parent)
    : QObject(parent)
    , m_value(std::make_shared<const Tariff>(std::move(tariff)))
{ }

TariffSource::~TariffSource() = default;

QString TariffSource::pathOf(FileKind kind) const
{
    switch (kind) {
    case Fees:
        return m_files.fees;
    case Rules:
        return m_files.rules;
    case Data:
        return m_files.data;
    case kFileKinds:
        break;
    }
    return {};
}

TariffSource::Stamp TariffSource::stampOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { file.exists(), {} };
    // The files are a few kilobytes; a stream keeps a stray large one out
    // of memory.
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&file))
        return { true, {} };
    return { true, hash.result() };
}

void TariffSource::read(Tariff &tariff, FileKind kind)
{
    const QString path = pathOf(kind);
    ++m_reads;
    switch (kind) {
    case Fees:
        // Cells a short or missing file does not hold are the defaults.
        tariff.table = {};
        LoadFees(tariff.table, path);
        break;
    case Rules:
        // A rules file that cannot be used prices calls by the table alone;
        // the rules window says why.
        tariff.rulesFile = LoadRules(path);
        tariff.rules = tariff.rulesFile.rules;
        break;
    case Data:
        tariff.dataFile = LoadDataTariff(path);
        break;
    case kFileKinds:
        break;
    }
}

bool TariffSource::reload()
{
    std::optional<Tariff> next;
    for (int kind = 0; kind < kFileKinds; ++kind) {
        if (pathOf(FileKind(kind)).isEmpty())
            continue;
        const Stamp stamp = stampOf(pathOf(FileKind(kind)));
        if (m_stamps[size_t(kind)] == stamp)
            continue;
        if (!next)
            next = *m_value;
        read(*next, FileKind(kind));
        m_stamps[size_t(kind)] = stamp;
    }
    rearm();
    // A file saved as it was already priced (the editor's typed table) is no news.
    if (!next || sameTariff(*next, *m_value))
        return false;
    set(std::make_shared<const Tariff>(std::move(*next)));
    return true;
}

void TariffSource::useTable(const TariffTable &table)
{
    if (table == m_value->table)
        return;
    Tariff next = *m_value;
    next.table = table;
    use(std::move(next));
}

void TariffSource::use(Tariff tariff)
{
    if (sameTariff(tariff, *m_value))
        return;
    set(std::make_shared<const Tariff>(std::move(tariff)));
}

void TariffSource::set(std::shared_ptr<const Tariff> value)
{
    m_value = std::move(value);
    m_pricer.reset();
    Q_EMIT changed();
}

const CallPricer &TariffSource::pricer() const
{
    return *sharedPricer();
}

std::shared_ptr<const CallPricer> TariffSource::sharedPricer() const
{
    // Built at the first price asked for, so the editor's typing builds one
    // per tick at most, not one per key.
    if (!m_pricer)
        m_pricer = std::make_shared<const CallPricer>(m_value->table, m_value->rules);
    return m_pricer;
}

void TariffSource::watch()
{
    if (m_watcher)
        return;
    m_watcher = new QFileSystemWatcher(this);
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_settle, &QTimer::timeout, this, &TariffSource::reload);
    const auto news = [this] { m_settle->start(); };
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, news);
    // A file saved through a rename, or made where there was none, is news
    // of its directory.
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, news);
    rearm();
}

// The durable writer renames a new file over the old one, and the watch goes
// with the old: each file is watched again as it now stands.
void TariffSource::rearm()
{
    if (!m_watcher)
        return;
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    QStringList wanted;
    for (int kind = 0; kind < kFileKinds; ++kind) {
        const QString path = pathOf(FileKind(kind));
        if (path.isEmpty())
            continue;
        const QString dir = QFileInfo(path).absolutePath();
        if (!wanted.contains(dir) && QFileInfo::exists(dir))
            wanted << dir;
        if (QFileInfo::exists(path))
            wanted << path;
    }
    for (const QString &path : std::as_const(wanted)) {
        if (!watched.contains(path))
            m_watcher->addPath(path);
    }
}
