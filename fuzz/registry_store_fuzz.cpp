// The file-backed registry store's reader. A file it cannot understand is
// moved aside byte for byte and the user told once. One it understands: every
// key it lists can be opened, and saving what was read and reading it back
// gives the same keys and values and the same file again.

#include "fuzz_check.h"
#include "settings/file_registry_store.h"

#include <QDir>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kRoomy = std::size_t(1) << 20;
constexpr std::int32_t kRoots[]
    = { kHkeyClassesRoot, kHkeyCurrentUser, kHkeyLocalMachine, kHkeyUsers, kHkeyCurrentConfig };

struct Dump
{
    std::string text; // every key and value, in the store's order
    // the first value met, where it stands
    std::optional<std::pair<std::pair<std::int32_t, std::string>, RegistryValueEntry>> first;
};

void dumpKey(RegistryStore &store, std::int32_t root, const std::string &path, Dump &out)
{
    RegistryKey key = 0;
    FUZZ_CHECK(store.openKey(root, path, kKeyAllSpecificRights, key) == RegistryCode::Success);
    out.text += "[" + std::to_string(root) + "\\" + path + "]\n";
    for (std::uint32_t i = 0;; ++i) {
        RegistryValueEntry entry;
        const RegistryResult result = store.enumValue(key, i, kRoomy, kRoomy, entry);
        if (result == RegistryCode::NoMoreItems)
            break;
        FUZZ_CHECK(result == RegistryCode::Success);
        out.text += entry.name + '\0' + std::to_string(entry.type) + '\0' + entry.data + '\n';
        if (!out.first)
            out.first = { { root, path }, entry };
    }
    std::vector<std::string> children;
    for (std::uint32_t i = 0;; ++i) {
        std::string name;
        const RegistryResult result = store.enumKey(key, i, kRoomy, name);
        if (result == RegistryCode::NoMoreItems)
            break;
        FUZZ_CHECK(result == RegistryCode::Success);
        children.push_back(name);
    }
    FUZZ_CHECK(store.closeKey(key) == RegistryCode::Success);
    for (const std::string &child : children)
        dumpKey(store, root, path.empty() ? child : path + '\\' + child, out);
}

Dump dump(RegistryStore &store)
{
    Dump out;
    for (const std::int32_t root : kRoots)
        dumpKey(store, root, std::string(), out);
    return out;
}

// Writes the first value again as it stands, so the store saves what it read.
void saveAsRead(RegistryStore &store, const Dump &dumped)
{
    const auto &[where, entry] = *dumped.first;
    RegistryKey key = 0;
    FUZZ_CHECK(store.openKey(where.first, where.second, kKeyAllSpecificRights, key)
        == RegistryCode::Success);
    FUZZ_CHECK(store.setValue(key, entry.name, entry.type, entry.data) == RegistryCode::Success);
    store.closeKey(key);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString directory = scratchPath(QStringLiteral("registry"));
    QDir(directory).removeRecursively();
    FUZZ_CHECK(QDir().mkpath(directory));
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString file = directory + QStringLiteral("/registry.txt");
    putBytes(file, input);

    int notices = 0;
    FileRegistryStore store(directory.toStdString(), [&](const std::string &) { ++notices; });
    const Dump read = dump(store);
    FUZZ_CHECK(notices <= 1);
    if (notices == 1) {
        // not understood: kept aside as it was, and the store is empty
        FUZZ_CHECK(!QFile::exists(file));
        FUZZ_CHECK(readBytes(file + QStringLiteral(".damaged")) == input);
        FileRegistryStore empty(directory.toStdString(), [](const std::string &) {});
        FUZZ_CHECK(dump(empty).text == read.text && !read.first);
        return 0;
    }
    if (!read.first)
        return 0; // nothing to write back without changing the registry

    saveAsRead(store, read);
    const QByteArray saved = readBytes(file);
    FileRegistryStore again(directory.toStdString(), [&](const std::string &) { ++notices; });
    FUZZ_CHECK(dump(again).text == read.text);
    saveAsRead(again, read);
    FUZZ_CHECK(readBytes(file) == saved);
    FUZZ_CHECK(notices == 0);
    return 0;
}
