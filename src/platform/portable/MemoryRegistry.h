#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/RegistryApi.h"

namespace brivex {

// An in-memory registry with the semantics the program relies on from Windows:
// names compare without regard to letter case, opening never creates, a REG_SZ
// keeps exactly the bytes it was given (the size probe reports that count, not
// one more), a key with subkeys cannot be deleted, and access can be denied per
// key. The four predefined roots exist from the start.
class MemoryRegistry final : public RegistryApi {
public:
    struct StoredValue {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> bytes;
    };

    MemoryRegistry();

    long OpenKey(RegKey root, const std::string& subKey, std::uint32_t options, std::uint32_t access,
                 RegKey& key) override;
    long QueryValue(RegKey key, const std::string& valueName, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override;
    long SetValue(RegKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long DeleteValue(RegKey key, const std::string& valueName) override;
    long DeleteKey(RegKey root, const std::string& subKey) override;
    long CloseKey(RegKey key) override;
    long EnumValue(RegKey key, std::uint32_t index, std::string& valueName, std::uint32_t& type,
                   std::vector<std::uint8_t>& data) override;
    long CountSubKeys(RegKey key, std::uint32_t& count) override;

    // Set-up and inspection, for tests: they bypass access checks. Paths are ANSI.
    void CreateKey(RegKey root, const std::string& path);
    void PutValue(RegKey root, const std::string& path, const std::string& valueName, StoredValue value);
    std::optional<StoredValue> FindValue(RegKey root, const std::string& path, const std::string& valueName) const;
    bool KeyExists(RegKey root, const std::string& path) const;
    void DenyAccess(RegKey root, const std::string& path);
    std::size_t OpenHandleCount() const { return handles_.size(); }
    std::uint32_t LastOpenAccess() const { return lastOpenAccess_; }

private:
    struct Key;
    using KeyPtr = std::shared_ptr<Key>;
    struct Key {
        std::map<std::string, KeyPtr> subkeys;                              // by upper-cased name
        std::map<std::string, std::pair<std::string, StoredValue>> values;  // upper-cased → (name, value)
        bool denied = false;
    };

    KeyPtr Resolve(RegKey key) const;
    static KeyPtr Walk(KeyPtr from, const std::string& path, bool create);
    KeyPtr WalkFromRoot(RegKey root, const std::string& path, bool create) const;

    std::map<RegKey, KeyPtr> roots_;
    std::map<RegKey, std::weak_ptr<Key>> handles_;
    RegKey nextHandle_ = 0x100;
    std::uint32_t lastOpenAccess_ = 0;
};

}  // namespace brivex
