#pragma once

#include <string>
#include <string_view>

namespace brivex {

// The Windows store's area under HKEY_CURRENT_USER: one key per application and
// section below it, where earlier builds of the program kept their options.
inline constexpr char kSettingsStoreKey[] = "Software\\VB and VBA Program Settings";

// The per-user store of the program's own options: texts addressed by
// application, section and key, compared without regard to letter case,
// kept across runs. Nothing is ever deleted or enumerated.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                                   std::string_view defaultValue) = 0;
    virtual void SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                             std::string_view value) = 0;
};

}  // namespace brivex
