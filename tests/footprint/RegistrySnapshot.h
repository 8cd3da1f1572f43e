#pragma once
// The registry at one moment, as the footprint test takes it before and after
// the program runs: every key and every value, by full path from the root's
// name ("HKEY_LOCAL_MACHINE\SOFTWARE\..."), names in UTF-8, data as stored.
// Paths and names are compared without regard to letter case, as the registry
// compares them.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace brivex::footprint {

struct StoredValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;

    friend bool operator==(const StoredValue&, const StoredValue&) = default;
};

// The registry's own comparison of names, for the ASCII letters the program's keys use.
std::string FoldCase(std::string_view text);
bool SameName(std::string_view a, std::string_view b);
// Whether `path` is `key` or lies under it.
bool IsAtOrUnder(std::string_view path, std::string_view key);

class RegistrySnapshot {
public:
    void AddKey(std::string_view keyPath);
    // Adds the key too.
    void AddValue(std::string_view keyPath, std::string_view valueName, StoredValue value);

    bool HasKey(std::string_view keyPath) const;
    const StoredValue* Value(std::string_view keyPath, std::string_view valueName) const;
    std::size_t KeyCount() const { return keys_.size(); }
    std::size_t ValueCount() const { return values_.size(); }

private:
    friend std::vector<struct Difference> Compare(const RegistrySnapshot&, const RegistrySnapshot&);
    struct Entry {
        std::string key;
        std::string name;
        StoredValue value;
    };
    static std::string ValueId(std::string_view keyPath, std::string_view valueName);

    std::map<std::string, std::string> keys_;  // folded path -> path as spelled
    std::map<std::string, Entry> values_;      // folded path and name -> the value as spelled
};

enum class Change { KeyCreated, KeyDeleted, ValueAdded, ValueChanged, ValueDeleted };

struct Difference {
    Change change;
    std::string key;
    std::string valueName;   // for the value changes; "" is the key's default value
    std::uint32_t type = 0;  // the value's type after the change, or before it for a deletion
};

// Every key created or deleted and every value added, changed or deleted
// between the two, keys first, each group in path order.
std::vector<Difference> Compare(const RegistrySnapshot& before, const RegistrySnapshot& after);

// "value changed: HKEY_CURRENT_USER\Control Panel\Desktop \"MenuShowDelay\" (type 1)"
std::string Describe(const Difference& difference);

}  // namespace brivex::footprint
