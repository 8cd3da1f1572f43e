#pragma once
// The program's palette: the windows' art, the mark, and the icon and
// installer pictures made from it at build time all take their colours from
// here, so the three cannot drift apart. Colours are 0x00BBGGRR, the layout
// of a Windows COLORREF, so the win32 art passes them to GDI as they are.

#include "graphics/Canvas.h"

namespace brivex::art {

inline constexpr ColorRef kNavy = 0x934F1C;
inline constexpr ColorRef kBlue = 0xC8782F;
inline constexpr ColorRef kPale = 0xEACBB4;
inline constexpr ColorRef kGold = 0x3CC8FF;
inline constexpr ColorRef kGreen = 0x5AB03C;
inline constexpr ColorRef kWhite = 0xFFFFFF;
// The mark's outer ring.
inline constexpr ColorRef kRim = 0xF2C69C;
// The quiet panels the windows' controls stand on, and the lighter paper of
// the panels that hold text.
inline constexpr ColorRef kPanel = 0xF9ECE2;
inline constexpr ColorRef kPaper = 0xFFFBF8;

}  // namespace brivex::art
