#include "settings/file_registry_store.h"

#include "common/durable_write.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr char kFileName[] = "registry.txt";

constexpr std::array<std::pair<std::int32_t, const char *>, 5> kRoots { {
    { kHkeyClassesRoot, "HKEY_CLASSES_ROOT" },
    { kHkeyCurrentUser, "HKEY_CURRENT_USER" },
    { kHkeyLocalMachine, "HKEY_LOCAL_MACHINE" },
    { kHkeyUsers, "HKEY_USERS" },
    { kHkeyCurrentConfig, "HKEY_CURRENT_CONFIG" },
} };

const char *rootName(std::int32_t root)
{
    for (const auto &[handle, name] : kRoots) {
        if (handle == root)
            return name;
    }
    return nullptr;
}

std::optional<std::int32_t> rootNamed(const std::string &text)
{
    for (const auto &[handle, name] : kRoots) {
        if (text == name)
            return handle;
    }
    return std::nullopt;
}

std::string folded(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The path without its leading backslash; nothing when a part is empty or
// holds more than printable ASCII.
std::optional<std::string> cleanPath(const std::string &path)
{
    std::string clean = !path.empty() && path.front() == '\\' ? path.substr(1) : path;
    if (clean.empty())
        return clean;
    if (clean.front() == '\\' || clean.back() == '\\' || clean.find("\\\\") != std::string::npos)
        return std::nullopt;
    for (unsigned char c : clean) {
        if (c < 0x20 || c > 0x7E)
            return std::nullopt;
    }
    return clean;
}

std::string quoted(const std::string &bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (unsigned char c : bytes) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += char(c);
        } else if (c >= 0x20 && c <= 0x7E) {
            out += char(c);
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out + '"';
}

// Reads a quoted text at `pos`, leaving `pos` after its closing quote.
std::optional<std::string> unquoted(const std::string &line, std::size_t &pos)
{
    if (pos >= line.size() || line[pos] != '"')
        return std::nullopt;
    std::string out;
    for (++pos; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos >= line.size())
            return std::nullopt;
        const char escaped = line[pos];
        if (escaped == '\\' || escaped == '"') {
            out += escaped;
        } else if (escaped == 'x' && pos + 2 < line.size()
            && std::isxdigit(static_cast<unsigned char>(line[pos + 1]))
            && std::isxdigit(static_cast<unsigned char>(line[pos + 2]))) {
            out += char(std::stoi(line.substr(pos + 1, 2), nullptr, 16));
            pos += 2;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

void skipBlanks(const std::string &line, std::size_t &pos)
{
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
}

bool expect(const std::string &line, std::size_t &pos, char wanted)
{
    skipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != wanted)
        return false;
    ++pos;
    skipBlanks(line, pos);
    return true;
}

std::optional<RegistryValueEntry> valueLine(const std::string &line)
{
    std::size_t pos = 0;
    RegistryValueEntry entry;
    const auto name = unquoted(line, pos);
    if (!name || !expect(line, pos, '='))
        return std::nullopt;
    const std::size_t digits = pos;
    while (pos < line.size() && std::isdigit(static_cast<unsigned char>(line[pos])))
        ++pos;
    if (pos == digits || pos - digits > 9 || !expect(line, pos, ':'))
        return std::nullopt;
    entry.type = std::uint32_t(std::stoul(line.substr(digits, pos - digits)));
    const auto data = unquoted(line, pos);
    skipBlanks(line, pos);
    if (!data || pos != line.size())
        return std::nullopt;
    entry.name = *name;
    entry.data = *data;
    return entry;
}

std::string parentOf(const std::string &path)
{
    const std::size_t cut = path.rfind('\\');
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

} // namespace

FileRegistryStore::FileRegistryStore(std::string directory, RegistryNotice notice)
    : m_directory(std::move(directory))
    , m_notice(std::move(notice))
{ }

std::string FileRegistryStore::filePath() const
{
    return (fs::path(m_directory) / kFileName).string();
}

void FileRegistryStore::addKey(std::int32_t root, const std::string &path)
{
    KeyId id { root, folded(path) };
    if (m_keys.count(id))
        return;
    if (!path.empty())
        addKey(root, parentOf(path));
    m_keys[std::move(id)].path = path;
}

bool FileRegistryStore::parse(const std::string &text)
{
    std::istringstream lines(text);
    std::string line;
    Key *current = nullptr;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return false;
            const std::string inner = line.substr(1, line.size() - 2);
            const std::size_t cut = inner.find('\\');
            const auto root = rootNamed(inner.substr(0, cut));
            const auto path
                = cleanPath(cut == std::string::npos ? std::string() : inner.substr(cut));
            if (!root || !path)
                return false;
            addKey(*root, *path);
            current = &m_keys[{ *root, folded(*path) }];
            continue;
        }
        const auto entry = valueLine(line);
        if (!current || !entry)
            return false;
        current->values.push_back(*entry);
    }
    return true;
}

void FileRegistryStore::setAside()
{
    const fs::path file = filePath();
    std::error_code error;
    fs::path aside;
    for (int n = 1; n < 1000; ++n) {
        aside = file;
        aside += n == 1 ? std::string(".damaged") : ".damaged-" + std::to_string(n);
        if (!fs::exists(aside, error))
            break;
    }
    fs::rename(file, aside, error);
    if (error) {
        m_keepDamagedFile = true;
        m_notice("The registry file " + file.string()
            + " cannot be read and could not be moved aside (" + error.message()
            + "); Callwise will not change it.");
        return;
    }
    m_notice("The registry file " + file.string() + " could not be read. It has been kept as "
        + aside.string() + " and Callwise starts with an empty registry.");
}

RegistryResult FileRegistryStore::load()
{
    if (m_keepDamagedFile)
        return RegistryCode::Success; // keeps the empty store, told once
    m_keys.clear();
    std::error_code error;
    if (!fs::exists(filePath(), error))
        return error ? RegistryCode::AccessDenied : RegistryCode::Success;
    std::ifstream in(filePath(), std::ios::binary);
    if (!in)
        return RegistryCode::AccessDenied;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return RegistryCode::AccessDenied;
    if (!parse(text.str())) {
        m_keys.clear();
        setAside();
    }
    return RegistryCode::Success;
}

RegistryResult FileRegistryStore::save() const
{
    if (m_keepDamagedFile)
        return RegistryCode::AccessDenied;
    std::string text = "; Callwise registry. [root\\key] lines open keys; under each,\n"
                       "; \"value name\" = type : \"data\" with \\\\, \\\" and \\xHH escapes.\n";
    for (const auto &[id, key] : m_keys) {
        text += '[';
        text += rootName(id.first);
        if (!key.path.empty())
            text += '\\' + key.path;
        text += "]\n";
        for (const RegistryValueEntry &value : key.values)
            text += quoted(value.name) + " = " + std::to_string(value.type) + " : "
                + quoted(value.data) + '\n';
    }

    std::error_code error;
    fs::create_directories(m_directory, error);
    return replaceFileDurably(filePath(), text) ? RegistryCode::Success : RegistryCode::WriteFault;
}

RegistryKey FileRegistryStore::openHandle(KeyId id)
{
    const RegistryKey handle = m_nextHandle++;
    m_open[handle] = std::move(id);
    return handle;
}

FileRegistryStore::Key *FileRegistryStore::keyOf(RegistryKey key)
{
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return nullptr;
    const auto found = m_keys.find(open->second);
    return found == m_keys.end() ? nullptr : &found->second;
}

RegistryResult FileRegistryStore::createKey(
    std::int32_t root, const std::string &path, std::uint32_t, RegistryKey &key)
{
    key = 0;
    if (!rootName(root))
        return RegistryCode::InvalidHandle;
    const auto clean = cleanPath(path);
    if (!clean)
        return RegistryCode::BadPathname;
    if (const RegistryResult result = load(); result != RegistryCode::Success)
        return result;
    KeyId id { root, folded(*clean) };
    if (!m_keys.count(id)) {
        const auto before = m_keys;
        addKey(root, *clean);
        if (const RegistryResult result = save(); result != RegistryCode::Success) {
            m_keys = before;
            return result;
        }
    }
    key = openHandle(std::move(id));
    return RegistryCode::Success;
}

RegistryResult FileRegistryStore::openKey(
    std::int32_t root, const std::string &path, std::uint32_t, RegistryKey &key)
{
    key = 0;
    if (!rootName(root))
        return RegistryCode::InvalidHandle;
    const auto clean = cleanPath(path);
    if (!clean)
        return RegistryCode::FileNotFound;
    if (const RegistryResult result = load(); result != RegistryCode::Success)
        return result;
    KeyId id { root, folded(*clean) };
    // Root keys are always there.
    if (!clean->empty() && !m_keys.count(id))
        return RegistryCode::FileNotFound;
    key = openHandle(std::move(id));
    return RegistryCode::Success;
}

RegistryResult FileRegistryStore::setValue(
    RegistryKey key, const std::string &name, std::uint32_t type, const std::string &data)
{
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return RegistryCode::InvalidHandle;
    const KeyId id = open->second;
    // A root key opened with nothing under it yet.
    if (!m_keys.count(id))
        addKey(id.first, id.second);
    std::vector<RegistryValueEntry> &values = m_keys[id].values;
    const std::string wanted = folded(name);
    const auto same = std::find_if(values.begin(), values.end(),
        [&](const RegistryValueEntry &v) { return folded(v.name) == wanted; });
    const std::vector<RegistryValueEntry> before = values;
    if (same == values.end())
        values.push_back({ name, type, data });
    else
        *same = { same->name, type, data };
    const RegistryResult result = save();
    if (result != RegistryCode::Success)
        m_keys[id].values = before;
    return result;
}

RegistryResult FileRegistryStore::enumValue(RegistryKey key, std::uint32_t index,
    std::size_t nameBuffer, std::size_t dataBuffer, RegistryValueEntry &entry)
{
    if (!m_open.count(key))
        return RegistryCode::InvalidHandle;
    const Key *found = keyOf(key);
    if (!found || index >= found->values.size())
        return RegistryCode::NoMoreItems;
    const RegistryValueEntry &value = found->values[index];
    if (value.name.size() + 1 > nameBuffer || value.data.size() > dataBuffer)
        return RegistryCode::MoreData;
    entry = value;
    return RegistryCode::Success;
}

RegistryResult FileRegistryStore::enumKey(
    RegistryKey key, std::uint32_t index, std::size_t nameBuffer, std::string &name)
{
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return RegistryCode::InvalidHandle;
    const auto &[root, path] = open->second;
    std::uint32_t seen = 0;
    for (const auto &[id, child] : m_keys) {
        if (id.first != root || child.path.empty() || folded(parentOf(child.path)) != path)
            continue;
        if (seen++ != index)
            continue;
        name = child.path.substr(child.path.rfind('\\') + 1);
        return name.size() + 1 > nameBuffer ? RegistryCode::MoreData : RegistryCode::Success;
    }
    return RegistryCode::NoMoreItems;
}

RegistryResult FileRegistryStore::closeKey(RegistryKey key)
{
    return m_open.erase(key) ? RegistryCode::Success : RegistryCode::InvalidHandle;
}
