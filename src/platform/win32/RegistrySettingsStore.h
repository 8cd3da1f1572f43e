#pragma once

#include "platform/SettingsStore.h"

namespace brivex {

// Settings under HKCU\Software\VB and VBA Program Settings\<application>\<section>,
// one REG_SZ per key, where earlier builds of the program kept them, so a
// user's options carry over.
class RegistrySettingsStore final : public SettingsStore {
public:
    std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    void SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                     std::string_view value) override;
};

}  // namespace brivex
