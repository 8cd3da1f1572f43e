#pragma once
// Screen units. Windows are designed in twips (1440 to the inch); the screen
// counts pixels at the monitor's dots per inch. Every conversion goes through
// these two functions, so controls, art and fonts move by the same factor and
// round the same way: to the nearest pixel, halves away from zero.

namespace brivex {

inline constexpr int kTwipsPerInch = 1440;
// The dots per inch the windows were designed at: 15 twips a pixel.
inline constexpr int kDesignDpi = 96;

constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled >= 0 ? scaled + kTwipsPerInch / 2 : scaled - kTwipsPerInch / 2) / kTwipsPerInch);
}

// A length drawn in pixels at the design's 96 dots per inch, in twips.
constexpr int DesignPixelsToTwips(int pixels) { return pixels * (kTwipsPerInch / kDesignDpi); }

// A length designed in pixels at 96 dots per inch, on a screen of `dpi`.
constexpr int ScaleDesignPixels(int pixels, int dpi) { return TwipsToPixels(DesignPixelsToTwips(pixels), dpi); }

}  // namespace brivex
