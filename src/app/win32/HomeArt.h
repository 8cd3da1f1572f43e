#pragma once

namespace brivex {

// Registers the program's drawings: the windows' backgrounds and the stage pictures.
void RegisterProgramArt();

}  // namespace brivex
