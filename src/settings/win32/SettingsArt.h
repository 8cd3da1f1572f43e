#pragma once

namespace brivex {

// Registers the settings window's background.
void RegisterSettingsArt();

}  // namespace brivex
