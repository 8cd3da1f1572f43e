#pragma once

#include "registry/Reg.h"
#include "tweaks/TweakCatalogue.h"

namespace brivex {

// Where a behaviour stands now, from the registry: switched off when every
// value of its entry holds the "&Désactiver" data, on when every value holds
// the "&Activer" data, and unknown otherwise (a missing value, a value of
// another type, or some values of each side). A number counts as a REG_DWORD
// or as a text of its digits. Only the values whose key this Windows has are
// read; with none of them it is unknown.
enum class TweakState { SwitchedOff, SwitchedOn, Unknown };

TweakState ReadTweakState(Reg& reg, const TweakEntry& entry);

}  // namespace brivex
