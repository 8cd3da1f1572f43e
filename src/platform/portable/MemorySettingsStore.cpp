#include "platform/portable/MemorySettingsStore.h"

#include "base/Cp1252.h"

namespace brivex {

MemorySettingsStore::Address MemorySettingsStore::MakeAddress(std::string_view appName, std::string_view section,
                                                              std::string_view key) {
    // Settings text is UTF-8 inside the program; folding its ANSI form gives the system's case rules.
    const auto fold = [](std::string_view s) { return Cp1252ToUpper(Utf8ToCp1252(s)); };
    return {fold(appName), fold(section), fold(key)};
}

std::string MemorySettingsStore::GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                                            std::string_view defaultValue) {
    const auto it = entries_.find(MakeAddress(appName, section, key));
    return it == entries_.end() ? std::string(defaultValue) : it->second;
}

void MemorySettingsStore::SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                                      std::string_view value) {
    entries_[MakeAddress(appName, section, key)] = std::string(value);
}

}  // namespace brivex
