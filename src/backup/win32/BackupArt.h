#pragma once

namespace brivex {

// Registers the system backup window's background.
void RegisterBackupArt();

}  // namespace brivex
