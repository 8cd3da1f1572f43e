#include "platform/portable/MemoryRegistry.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "base/Cp1252.h"

namespace brivex {

namespace {

constexpr long kKeyDeleted = 1018;  // ERROR_KEY_DELETED: the handle's key is gone

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (const char c : path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(Cp1252ToUpper(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(Cp1252ToUpper(part));
    return parts;
}

}  // namespace

MemoryRegistry::MemoryRegistry() {
    for (const RegKey root : {regroot::ClassesRoot, regroot::CurrentUser, regroot::LocalMachine, regroot::Users})
        roots_[root] = std::make_shared<Key>();
}

MemoryRegistry::KeyPtr MemoryRegistry::Resolve(RegKey key) const {
    if (const auto root = roots_.find(key); root != roots_.end()) return root->second;
    if (const auto handle = handles_.find(key); handle != handles_.end()) return handle->second.lock();
    return nullptr;
}

MemoryRegistry::KeyPtr MemoryRegistry::Walk(KeyPtr from, const std::string& path, bool create) {
    KeyPtr current = std::move(from);
    for (const std::string& part : SplitPath(path)) {
        auto it = current->subkeys.find(part);
        if (it == current->subkeys.end()) {
            if (!create) return nullptr;
            it = current->subkeys.emplace(part, std::make_shared<Key>()).first;
        }
        current = it->second;
    }
    return current;
}

MemoryRegistry::KeyPtr MemoryRegistry::WalkFromRoot(RegKey root, const std::string& path, bool create) const {
    const auto it = roots_.find(root);
    return it == roots_.end() ? nullptr : Walk(it->second, path, create);
}

long MemoryRegistry::OpenKey(RegKey root, const std::string& subKey, std::uint32_t, std::uint32_t access, RegKey& key) {
    lastOpenAccess_ = access;
    KeyPtr parent = Resolve(root);
    if (!parent) return handles_.count(root) ? kKeyDeleted : regstatus::InvalidHandle;
    KeyPtr target = Walk(parent, subKey, false);
    if (!target) return regstatus::FileNotFound;
    if (target->denied) return regstatus::AccessDenied;
    key = nextHandle_++;
    handles_[key] = target;
    return regstatus::Success;
}

long MemoryRegistry::QueryValue(RegKey key, const std::string& valueName, std::uint32_t& type, std::uint8_t* data,
                                std::uint32_t& size) {
    const KeyPtr target = Resolve(key);
    if (!target) return handles_.count(key) ? kKeyDeleted : regstatus::InvalidHandle;
    const auto it = target->values.find(Cp1252ToUpper(valueName));
    if (it == target->values.end()) return regstatus::FileNotFound;
    const StoredValue& value = it->second.second;
    const auto stored = static_cast<std::uint32_t>(value.bytes.size());
    type = value.type;
    if (!data) {
        size = stored;
        return regstatus::Success;
    }
    if (size < stored) {
        size = stored;
        return regstatus::MoreData;
    }
    std::copy(value.bytes.begin(), value.bytes.end(), data);
    size = stored;
    return regstatus::Success;
}

long MemoryRegistry::SetValue(RegKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                              std::uint32_t size) {
    const KeyPtr target = Resolve(key);
    if (!target) return handles_.count(key) ? kKeyDeleted : regstatus::InvalidHandle;
    if (size > 0 && !data) return regstatus::InvalidParameter;
    StoredValue value{type, std::vector<std::uint8_t>(data, data + size)};
    auto& slot = target->values[Cp1252ToUpper(valueName)];
    if (slot.first.empty()) slot.first = valueName;  // an existing value keeps its spelling
    slot.second = std::move(value);
    return regstatus::Success;
}

long MemoryRegistry::DeleteValue(RegKey key, const std::string& valueName) {
    const KeyPtr target = Resolve(key);
    if (!target) return handles_.count(key) ? kKeyDeleted : regstatus::InvalidHandle;
    return target->values.erase(Cp1252ToUpper(valueName)) ? regstatus::Success : regstatus::FileNotFound;
}

long MemoryRegistry::DeleteKey(RegKey root, const std::string& subKey) {
    KeyPtr parent = Resolve(root);
    if (!parent) return regstatus::InvalidHandle;
    std::vector<std::string> parts = SplitPath(subKey);
    if (parts.empty()) return regstatus::AccessDenied;
    const std::string leaf = parts.back();
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const auto it = parent->subkeys.find(parts[i]);
        if (it == parent->subkeys.end()) return regstatus::FileNotFound;
        parent = it->second;
    }
    const auto it = parent->subkeys.find(leaf);
    if (it == parent->subkeys.end()) return regstatus::FileNotFound;
    if (it->second->denied || !it->second->subkeys.empty()) return regstatus::AccessDenied;
    parent->subkeys.erase(it);
    return regstatus::Success;
}

long MemoryRegistry::CloseKey(RegKey key) {
    if (roots_.count(key)) return regstatus::Success;
    return handles_.erase(key) ? regstatus::Success : regstatus::InvalidHandle;
}

long MemoryRegistry::EnumValue(RegKey key, std::uint32_t index, std::string& valueName, std::uint32_t& type,
                               std::vector<std::uint8_t>& data) {
    const KeyPtr target = Resolve(key);
    if (!target) return handles_.count(key) ? kKeyDeleted : regstatus::InvalidHandle;
    if (index >= target->values.size()) return regstatus::NoMoreItems;
    const auto& [name, value] = std::next(target->values.begin(), index)->second;
    valueName = name;
    type = value.type;
    data = value.bytes;
    return regstatus::Success;
}

long MemoryRegistry::CountSubKeys(RegKey key, std::uint32_t& count) {
    const KeyPtr target = Resolve(key);
    if (!target) return handles_.count(key) ? kKeyDeleted : regstatus::InvalidHandle;
    count = static_cast<std::uint32_t>(target->subkeys.size());
    return regstatus::Success;
}

void MemoryRegistry::CreateKey(RegKey root, const std::string& path) { WalkFromRoot(root, path, true); }

void MemoryRegistry::PutValue(RegKey root, const std::string& path, const std::string& valueName, StoredValue value) {
    const KeyPtr target = WalkFromRoot(root, path, true);
    auto& slot = target->values[Cp1252ToUpper(valueName)];
    if (slot.first.empty()) slot.first = valueName;
    slot.second = std::move(value);
}

std::optional<MemoryRegistry::StoredValue> MemoryRegistry::FindValue(RegKey root, const std::string& path,
                                                                     const std::string& valueName) const {
    const KeyPtr target = WalkFromRoot(root, path, false);
    if (!target) return std::nullopt;
    const auto it = target->values.find(Cp1252ToUpper(valueName));
    if (it == target->values.end()) return std::nullopt;
    return it->second.second;
}

bool MemoryRegistry::KeyExists(RegKey root, const std::string& path) const {
    return WalkFromRoot(root, path, false) != nullptr;
}

void MemoryRegistry::DenyAccess(RegKey root, const std::string& path) { WalkFromRoot(root, path, true)->denied = true; }

}  // namespace brivex
