#pragma once

namespace brivex {

// Registers the finishing window's drawings: its background and its four pictures.
void RegisterRebootArt();

}  // namespace brivex
