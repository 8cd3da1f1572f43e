#pragma once
// Every entry the program keeps in its settings store, each named once: its
// section, its key as it is written, and what a reader gets while the entry
// is absent. The store ignores letter case: keys keep the spelling earlier
// builds wrote them with.

#include <string_view>

namespace brivex {

struct Setting {
    std::string_view section;
    std::string_view key;
    std::string_view defaultValue;
};

namespace setting {

// "0" until the first run has attempted its restore point, then "1".
inline constexpr Setting First{"config", "first", "0"};
// "1": every window that asks makes itself topmost as it loads.
inline constexpr Setting OnTop{"config", "ontop", "0"};
// The settings window's options, "0" or "1", as it loads and applies them;
// the optimisation reads the first two, the finishing window and the tweak
// panel the last two.
inline constexpr Setting Doc{"config", "Doc", "0"};
inline constexpr Setting Press{"config", "Press", "0"};
inline constexpr Setting WinStart{"config", "Winstart", "0"};
inline constexpr Setting OptiStart{"config", "optistart", "0"};
inline constexpr Setting OptiTweak{"config", "optitweak", "0"};
// The pending-reboot marker: "ok" once an optimisation has finished, "no"
// once the finishing window has run; read without a default.
inline constexpr Setting Reboot{"config", "reboot", ""};
// The full path of the chosen language file. Its readers' default, the French
// reference file, lies in the application folder: they give it as they read.
inline constexpr Setting LanguageFile{"FILES", "LNG", ""};

}  // namespace setting

}  // namespace brivex
