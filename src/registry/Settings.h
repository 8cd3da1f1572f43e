#pragma once
// The program's own options, kept in the per-user settings store under the
// application title. Two sections: "config" (switches and the pending-reboot
// marker) and "FILES" (the language file). Entries are texts; booleans are "0"
// and "1" as check boxes give them.

#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

namespace brivex {

inline constexpr std::string_view kAppTitle = "Brivex Doziv";

// GetSetting and SaveSetting under the application title.
class Settings {
public:
    explicit Settings(SettingsStore& store) : store_(store) {}

    std::string GetSetting(std::string_view section, std::string_view key, std::string_view defaultValue = {}) {
        return store_.GetSetting(kAppTitle, section, key, defaultValue);
    }
    void SaveSetting(std::string_view section, std::string_view key, std::string_view value) {
        store_.SaveSetting(kAppTitle, section, key, value);
    }

private:
    SettingsStore& store_;
};

// The two ways readers turn a setting's text into a number. A hand-edited or
// damaged text that is no number never stops the program: the test is false.
bool SettingIsNumber(std::string_view text, double number);

// A check box loaded from a setting: only a text that reads as 1 ticks it.
int CheckBoxValueFromSetting(std::string_view text);

}  // namespace brivex
