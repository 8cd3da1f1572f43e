#pragma once

namespace brivex {

// Registers the tweak panel's background.
void RegisterTweakArt();

}  // namespace brivex
