#pragma once

#include <cstdint>

namespace brivex {

// Values of the bar's `Scrolling` property. Any other value draws as StyleSmooth.
enum ProgressStyle : std::int32_t {
    StyleChunks = 0,     // XP-like frame, glossy fill cut into 6-pixel chunks
    StyleSmooth = 1,     // XP-like frame, glossy continuous fill
    StyleSearching = 2,  // XP-like frame, three moving blocks, "Searching.."
    StyleFlat = 3,       // light frame, flat light fill
    StyleEtched = 4,     // etched edge, light gradient fill
    StyleShaded = 5,     // light frame, shaded background and fill with an end line
    StyleDark = 6,       // black background, gradient from black, two-tone text
    StyleHatched = 7,    // raised edge, hatched fill
    StylePicture = 8,    // sunken edge, fill tiled with the picture
    StyleGlossy = 9,     // XP-like frame, two-band glossy fill, two-tone text
};

}  // namespace brivex
