#pragma once

#include "registry/Reg.h"
#include "tweaks/TweakCatalogue.h"

namespace brivex {

// Where a behaviour stands now, from the registry: switched off when every
// value of its entry holds the "&Désactiver" data, on when every value holds
// the "&Activer" data, and unknown otherwise (a missing key or value, a value
// of another type, or some values of each side).
enum class TweakState { SwitchedOff, SwitchedOn, Unknown };

TweakState ReadTweakState(Reg& reg, const TweakEntry& entry);

}  // namespace brivex
