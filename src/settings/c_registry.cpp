#include "settings/c_registry.h"

#include <new>

namespace {

constexpr std::size_t kBufferLength = 255;

// Data without the terminating NUL of a text. Other values have none, so
// their bytes come back whole.
std::string withoutTerminator(std::string data)
{
    if (!data.empty() && data.back() == '\0')
        data.pop_back();
    return data;
}

// Closes the key however the block that opened it is left.
class OpenKey
{
public:
    OpenKey(RegistryStore &store, RegistryKey key)
        : m_store(store)
        , m_key(key)
    { }
    ~OpenKey() { m_store.closeKey(m_key); }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

private:
    RegistryStore &m_store;
    RegistryKey m_key;
};

} // namespace

bool cRegistry::writeStep(const std::string &text)
{
    RegistryStore &store = m_host.store;
    RegistryKey key = 0;
    try {
        // A key that could not be made shows in the write that follows.
        store.createKey(m_classKey, m_sectionKey, kKeyAllSpecificRights, key);
        // The data length counts the terminating NUL, so the stored text ends with it.
        const RegistryResult result
            = store.setValue(key, m_valueKey, kRegSz, std::string(text.c_str(), text.size() + 1));
        store.closeKey(key);
        return result == RegistryCode::Success;
    } catch (...) {
        store.closeKey(key);
        reportFailure();
    }
    return false;
}

void cRegistry::reportFailure() const
{
    try {
        throw;
    } catch (const RegistryFault &fault) {
        m_host.showMessage("ERROR #" + std::to_string(fault.number) + " : " + fault.what()
            + "\rPlease exit and try again.");
    } catch (const std::bad_alloc &) {
        m_host.showMessage("ERROR #7 : Out of memory\rPlease exit and try again.");
    } catch (const std::exception &failure) {
        m_host.showMessage(
            std::string("ERROR #51 : ") + failure.what() + "\rPlease exit and try again.");
    } catch (...) {
        m_host.showMessage("ERROR #51 : Internal error\rPlease exit and try again.");
    }
}

void cRegistry::Value(const std::string &sValue)
{
    if (writeStep(sValue))
        return;
    throw RegistryError(m_host.programName + ".cRegistry",
        "Failed to set registry value Key: '" + std::to_string(m_classKey) + "',Section: '"
            + m_sectionKey + "',Key: '" + m_valueKey + "' to value: '" + sValue + "'");
}

bool cRegistry::findStep(std::string &data) const
{
    RegistryStore &store = m_host.store;
    RegistryKey key = 0;
    if (store.openKey(m_classKey, m_sectionKey, kKeyQueryValue, key) != RegistryCode::Success)
        return false;
    OpenKey open(store, key);
    RegistryValueEntry entry;
    // A value that does not fit the buffers ends the search, even before the wanted one.
    for (std::uint32_t index = 0;
         store.enumValue(key, index, kBufferLength, kBufferLength, entry) == RegistryCode::Success;
         ++index) {
        if (entry.name == m_valueKey) {
            data = withoutTerminator(entry.data);
            return true;
        }
    }
    return false;
}

std::string cRegistry::Value() const
{
    std::string data;
    return findStep(data) ? data : m_default;
}

bool cRegistry::KeyExists() const
{
    RegistryKey key = 0;
    if (m_host.store.openKey(m_classKey, m_sectionKey, kKeyQueryValue, key)
        != RegistryCode::Success)
        return false;
    m_host.store.closeKey(key);
    return true;
}

bool cRegistry::CreateKey()
{
    RegistryKey key = 0;
    if (m_host.store.createKey(m_classKey, m_sectionKey, kKeyAllSpecificRights, key)
        != RegistryCode::Success)
        return false;
    m_host.store.closeKey(key);
    return true;
}

void cRegistry::EnumerateValues(ValueGrid &sKeys, std::int16_t &iKeyCount) const
{
    sKeys.clear();
    iKeyCount = 0;
    RegistryStore &store = m_host.store;
    RegistryKey key = 0;
    if (store.openKey(m_classKey, m_sectionKey, kKeyQueryValue, key) != RegistryCode::Success)
        return;
    OpenKey open(store, key);
    RegistryValueEntry entry;
    for (std::uint32_t index = 0;
         store.enumValue(key, index, kBufferLength, kBufferLength, entry) == RegistryCode::Success;
         ++index) {
        sKeys.addColumn(entry.name, withoutTerminator(entry.data));
        ++iKeyCount;
    }
}

void cRegistry::EnumerateSections(OneBasedArray<std::string> &sSect, std::int16_t &iSectCount) const
{
    sSect.clear();
    iSectCount = 0;
    RegistryStore &store = m_host.store;
    RegistryKey key = 0;
    if (store.openKey(m_classKey, m_sectionKey, kKeyEnumerateSubKeys, key) != RegistryCode::Success)
        return;
    OpenKey open(store, key);
    std::string name;
    for (std::uint32_t index = 0;
         store.enumKey(key, index, kBufferLength, name) == RegistryCode::Success; ++index) {
        sSect.add(name);
        ++iSectCount;
    }
}
