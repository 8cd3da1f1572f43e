#pragma once

#include <windows.h>

#include <string>

namespace brivex {

// A font as the program asks for one. Every font it makes, for its controls,
// its pictures and its progress bars, is made from one of these by MakeFont.
struct FontRequest {
    std::string face;  // UTF-8
    int height = 0;    // pixels, as LOGFONT takes it: negative for the character height
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
};

// The character height, negative, of a font of `points` on a surface of
// `dotsPerInch`: hundredths of a point, rounded, scaled as MulDiv rounds.
int FontHeight(double points, int dotsPerInch);

// The caller owns the font; nothing when the system cannot make one.
HFONT MakeFont(const FontRequest& request);

}  // namespace brivex
