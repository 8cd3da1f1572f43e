#pragma once

#include <string>

namespace brivex::icon {

// The sizes Windows asks an icon for: 16 to 64 pixels for the small and large
// icons at 96 to 192 dots an inch (title bars, the taskbar, Alt+Tab, Explorer's
// lists), 256 for Explorer's large views.
inline constexpr int kIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};

// The program's icon file: its mark at every one of those sizes.
std::string ProgramIcon();

}  // namespace brivex::icon
