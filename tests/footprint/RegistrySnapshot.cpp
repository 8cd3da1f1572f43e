#include "footprint/RegistrySnapshot.h"

namespace brivex::footprint {

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool SameName(std::string_view a, std::string_view b) { return FoldCase(a) == FoldCase(b); }

bool IsAtOrUnder(std::string_view path, std::string_view key) {
    if (path.size() < key.size() || !SameName(path.substr(0, key.size()), key)) return false;
    return path.size() == key.size() || path[key.size()] == '\\';
}

// A key path never holds a NUL, so the pair cannot be confused with another.
std::string RegistrySnapshot::ValueId(std::string_view keyPath, std::string_view valueName) {
    std::string id = FoldCase(keyPath);
    id += '\0';
    id += FoldCase(valueName);
    return id;
}

void RegistrySnapshot::AddKey(std::string_view keyPath) { keys_.emplace(FoldCase(keyPath), std::string(keyPath)); }

void RegistrySnapshot::AddValue(std::string_view keyPath, std::string_view valueName, StoredValue value) {
    AddKey(keyPath);
    values_[ValueId(keyPath, valueName)] = {std::string(keyPath), std::string(valueName), std::move(value)};
}

bool RegistrySnapshot::HasKey(std::string_view keyPath) const { return keys_.contains(FoldCase(keyPath)); }

const StoredValue* RegistrySnapshot::Value(std::string_view keyPath, std::string_view valueName) const {
    const auto found = values_.find(ValueId(keyPath, valueName));
    return found == values_.end() ? nullptr : &found->second.value;
}

std::vector<Difference> Compare(const RegistrySnapshot& before, const RegistrySnapshot& after) {
    std::vector<Difference> differences;
    for (const auto& [id, path] : after.keys_)
        if (!before.keys_.contains(id)) differences.push_back({Change::KeyCreated, path, {}});
    for (const auto& [id, path] : before.keys_)
        if (!after.keys_.contains(id)) differences.push_back({Change::KeyDeleted, path, {}});

    for (const auto& [id, entry] : after.values_) {
        const auto old = before.values_.find(id);
        if (old == before.values_.end())
            differences.push_back({Change::ValueAdded, entry.key, entry.name, entry.value.type});
        else if (old->second.value != entry.value)
            differences.push_back({Change::ValueChanged, entry.key, entry.name, entry.value.type});
    }
    for (const auto& [id, entry] : before.values_)
        if (!after.values_.contains(id))
            differences.push_back({Change::ValueDeleted, entry.key, entry.name, entry.value.type});
    return differences;
}

std::string Describe(const Difference& difference) {
    static constexpr const char* kWords[] = {"key created", "key deleted", "value added", "value changed",
                                             "value deleted"};
    std::string text = kWords[static_cast<int>(difference.change)];
    text += ": ";
    text += difference.key;
    if (difference.change == Change::KeyCreated || difference.change == Change::KeyDeleted) return text;
    text += " \"" + difference.valueName + "\" (type " + std::to_string(difference.type) + ")";
    return text;
}

}  // namespace brivex::footprint
