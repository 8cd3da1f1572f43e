#pragma once
// The program's own options, kept in the per-user settings store under the
// application title. Two sections: "config" (switches and the pending-reboot
// marker) and "FILES" (the language file). Entries are texts; booleans are "0"
// and "1" as check boxes give them.

#include <string>
#include <string_view>

#include "platform/SettingsStore.h"
#include "registry/SettingKeys.h"

namespace brivex {

inline constexpr std::string_view kAppTitle = "Brivex Doziv";

// The entries of SettingKeys.h under the application title.
class Settings {
public:
    explicit Settings(SettingsStore& store) : store_(store) {}

    std::string Get(const Setting& setting) { return Get(setting, setting.defaultValue); }
    // An entry whose default is known only at run time: the language file's.
    std::string Get(const Setting& setting, std::string_view defaultValue) {
        return store_.GetSetting(kAppTitle, setting.section, setting.key, defaultValue);
    }
    void Save(const Setting& setting, std::string_view value) {
        store_.SaveSetting(kAppTitle, setting.section, setting.key, value);
    }
    // The numeric test of an entry: true when its text reads as `number`.
    bool ReadsAs(const Setting& setting, double number);

private:
    SettingsStore& store_;
};

// The two ways readers turn a setting's text into a number. A hand-edited or
// damaged text that is no number never stops the program: the test is false.
bool SettingIsNumber(std::string_view text, double number);

// A check box loaded from a setting: only a text that reads as 1 ticks it.
int CheckBoxValueFromSetting(std::string_view text);

}  // namespace brivex
