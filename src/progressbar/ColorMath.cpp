#include "progressbar/ColorMath.h"

#include <algorithm>

#include "base/Numbers.h"

namespace brivex {

namespace {

int Channel(ColorRef colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

ColorRef FromChannels(int red, int green, int blue) {
    return static_cast<ColorRef>(red) + static_cast<ColorRef>(green) * 256 + static_cast<ColorRef>(blue) * 65536;
}

}  // namespace

ColorRef LightenColor(ColorRef colour, int amount) {
    const auto lighten = [amount](int channel) { return std::min(255, amount + (255 - amount) * channel / 255); };
    return FromChannels(lighten(Channel(colour, 0)), lighten(Channel(colour, 8)), lighten(Channel(colour, 16)));
}

ColorRef BlendColors(ColorRef colour1, ColorRef colour2, int amount) {
    const auto blend = [amount](int channel1, int channel2) {
        return static_cast<int>(
            ToInt16((255.0 - amount) * channel2 / 255 + static_cast<double>(amount) * channel1 / 255).value_or(0));
    };
    return FromChannels(blend(Channel(colour1, 0), Channel(colour2, 0)),
                        blend(Channel(colour1, 8), Channel(colour2, 8)),
                        blend(Channel(colour1, 16), Channel(colour2, 16)));
}

}  // namespace brivex
