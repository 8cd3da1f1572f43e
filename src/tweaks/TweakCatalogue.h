#pragma once
// The sixteen system behaviours the tweak panel switches, in the order the
// panel applies them: for each, the name scripts know it by, its caption as
// designed, the number of its check box, and the registry writes each of the
// panel's two buttons makes. Every write goes through the registry module, so
// a key missing on the running system simply takes nothing.

#include <span>
#include <string_view>

#include "registry/RegistryWrite.h"

namespace brivex {

// The panel's two buttons: "&Désactiver" switches the behaviours off, "&Activer" on.
enum class TweakSwitch { Off, On };

// One behaviour. Its two lists name the same values in the same order.
struct TweakEntry {
    std::string_view id;
    std::string_view caption;
    int box;  // BrivexCB<box>, and the index of its readout in the LabelState array
    std::span<const RegistryWrite> off;
    std::span<const RegistryWrite> on;

    std::span<const RegistryWrite> WritesFor(TweakSwitch which) const { return which == TweakSwitch::Off ? off : on; }
};

inline constexpr std::size_t kTweakCount = 16;

// The catalogue's entries, in the panel's order.
std::span<const TweakEntry, kTweakCount> TweakCatalogue();

}  // namespace brivex
