#pragma once
// The sixteen system behaviours the tweak panel switches, in the order the
// panel applies them: for each, its check box, its caption as designed, and
// the registry writes each of the panel's two buttons makes. Every write goes
// through the registry module, so a key missing on the running system simply
// takes nothing.

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/RegistryApi.h"

namespace brivex {

// The panel's two buttons: "&Désactiver" switches the behaviours off, "&Activer" on.
enum class TweakSwitch { Off, On };

// One row of the catalogue: a registry write under the check box of its entry.
// The data are texts as the registry module takes them; for REG_DWORD it reads
// them as decimal numbers ("00000004" is 4).
struct TweakWrite {
    std::string_view checkBox;  // empty: the row belongs to the entry above it
    std::string_view caption;
    RegKey root;
    std::string_view key;
    std::string_view valueName;
    std::int32_t type;  // 1 REG_SZ, 4 REG_DWORD
    std::string_view switchOffData;
    std::string_view switchOnData;

    std::string_view DataFor(TweakSwitch which) const { return which == TweakSwitch::Off ? switchOffData : switchOnData; }
};

// One behaviour: its check box and caption, and its writes in the order they are made.
struct TweakEntry {
    std::string_view checkBox;
    std::string_view caption;
    std::span<const TweakWrite> writes;
};

inline constexpr std::size_t kTweakCount = 16;

// The catalogue's entries, in the panel's order.
std::span<const TweakEntry, kTweakCount> TweakCatalogue();

}  // namespace brivex
