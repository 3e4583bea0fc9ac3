#pragma once

// One registry value addressed by its root key, key path and value name,
// read and written as single-byte text. Callers make a fresh object for each
// use; it caches nothing and acts on the store directly.

#include "settings/registry_store.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Error 26001, raised when a value cannot be written.
struct RegistryError : std::runtime_error
{
    static constexpr long kNumber = 26001;

    RegistryError(std::string source, const std::string &description)
        : std::runtime_error(description)
        , Source(std::move(source))
    { }
    long Number = kNumber;
    std::string Source;
    std::string Description() const { return what(); }
};

// A list the enumerations grow one element at a time, indexed from 1.
template <typename T> class OneBasedArray
{
public:
    std::int16_t UBound() const { return std::int16_t(m_items.size()); }
    T &operator()(int index) { return m_items.at(std::size_t(index - 1)); }
    const T &operator()(int index) const { return m_items.at(std::size_t(index - 1)); }
    void clear() { m_items.clear(); }
    void add(T item) { m_items.push_back(std::move(item)); }

private:
    std::vector<T> m_items;
};

// Row 1 of a column is a value's name, row 2 its data.
class ValueGrid
{
public:
    std::int16_t columns() const { return m_columns.UBound(); }
    const std::string &operator()(int row, int column) const
    {
        return m_columns(column).at(std::size_t(row - 1));
    }
    void clear() { m_columns.clear(); }
    void addColumn(std::string name, std::string data)
    {
        m_columns.add({ std::move(name), std::move(data) });
    }

private:
    OneBasedArray<std::array<std::string, 2>> m_columns;
};

class cRegistry
{
public:
    struct Host
    {
        RegistryStore &store;
        std::string programName; // the executable's name without extension
        // The "ERROR #" box, with an OK button and the program's title.
        RegistryNotice showMessage;
    };

    explicit cRegistry(Host host)
        : m_host(std::move(host))
    { }

    std::int32_t ClassKey() const { return m_classKey; }
    void ClassKey(std::int32_t lKey) { m_classKey = lKey; }
    const std::string &SectionKey() const { return m_sectionKey; }
    void SectionKey(const std::string &sSectionKey) { m_sectionKey = sSectionKey; }
    const std::string &ValueKey() const { return m_valueKey; }
    void ValueKey(const std::string &sValueKey) { m_valueKey = sValueKey; }
    const std::string &Default() const { return m_default; }
    void Default(const std::string &sDefault) { m_default = sDefault; }

    bool KeyExists() const;

    // The data of the value, or Default when it cannot be found among the
    // values that fit 255-character buffers.
    std::string Value() const;
    // Writes a REG_SZ, creating the key when missing; throws RegistryError.
    void Value(const std::string &sValue);

    void EnumerateValues(ValueGrid &sKeys, std::int16_t &iKeyCount) const;
    void EnumerateSections(OneBasedArray<std::string> &sSect, std::int16_t &iSectCount) const;
    bool CreateKey();

private:
    bool writeStep(const std::string &text);
    bool findStep(std::string &data) const;
    // Shows the exception in flight as the "ERROR #" message.
    void reportFailure() const;

    Host m_host;
    std::int32_t m_classKey = 0;
    std::string m_sectionKey;
    std::string m_valueKey;
    std::string m_default;
};
