#include "registry/Settings.h"

#include <optional>

#include "base/Numbers.h"

namespace brivex {

bool SettingIsNumber(std::string_view text, double number) {
    const std::optional<double> value = TextToNumber(text);
    return value && *value == number;
}

bool Settings::ReadsAs(const Setting& setting, double number) { return SettingIsNumber(Get(setting), number); }

int CheckBoxValueFromSetting(std::string_view text) {
    // The value goes through a 16-bit integer (ties to even) as a check box takes it,
    // so "1.4" ticks; "2" would be the grey state, which these boxes never use.
    const std::optional<double> value = TextToNumber(text);
    const std::optional<std::int16_t> state = value ? ToInt16(*value) : std::nullopt;
    return state == 1 ? 1 : 0;
}

}  // namespace brivex
