#pragma once

namespace brivex {

// Registers the system information window's background.
void RegisterInfoSysArt();

}  // namespace brivex
