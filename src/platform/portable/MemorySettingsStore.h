#pragma once

#include <map>
#include <string>
#include <tuple>

#include "platform/SettingsStore.h"

namespace brivex {

class MemorySettingsStore final : public SettingsStore {
public:
    std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    void SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                     std::string_view value) override;

private:
    using Address = std::tuple<std::string, std::string, std::string>;  // upper-cased
    static Address MakeAddress(std::string_view appName, std::string_view section, std::string_view key);

    std::map<Address, std::string> entries_;
};

}  // namespace brivex
