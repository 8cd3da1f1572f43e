#include "progressbar/Primitives.h"

#include <algorithm>

#include "base/Numbers.h"

namespace brivex {

namespace {

struct Channels {
    float red;
    float green;
    float blue;
};

Channels SplitChannels(ColorRef colour) {
    return {static_cast<float>(colour & 0xFF), static_cast<float>((colour / 256) & 0xFF),
            static_cast<float>(colour & 0xFF0000) / 65536.0f};
}

// A step count of zero makes the division fail; the failure is ignored and the
// step keeps its starting value 0, so the one line drawn is colour1.
float Step(float from, float to, int count) { return count == 0 ? 0.0f : (to - from) / static_cast<float>(count); }

// The step is single precision; multiplied by the line number it is widened to
// double, as single times a 32-bit integer is.
int ChannelAt(float start, float step, int i) {
    return ToInt32(static_cast<double>(start) + static_cast<double>(step) * i).value_or(0);
}

// No surface the program draws on reaches past the 16-bit coordinates of the
// oldest GDI, so lines beyond them are never seen. A bar narrower than its
// frame turns a value far below its range into millions of such lines.
constexpr long long kLargestCoordinate = 32767;

}  // namespace

void DrawGradient(ColorRef colour1, ColorRef colour2, int x, int y, int w, int h, Canvas& canvas, bool vertical) {
    const Channels from = SplitChannels(colour1);
    const Channels to = SplitChannels(colour2);
    const int n = vertical ? w : h;
    const Channels step = {Step(from.red, to.red, n), Step(from.green, to.green, n), Step(from.blue, to.blue, n)};
    const long long last = std::min<long long>(n, kLargestCoordinate - (vertical ? x : y));
    for (int i = 0; i <= last; ++i) {
        const ColorRef colour = static_cast<ColorRef>(ChannelAt(from.red, step.red, i)) +
                                static_cast<ColorRef>(ChannelAt(from.green, step.green, i)) * 256 +
                                static_cast<ColorRef>(ChannelAt(from.blue, step.blue, i)) * 65536;
        if (vertical) DrawLine(x + i, y, x + i, h, canvas, colour);
        else DrawLine(x, y + i, w, y + i, canvas, colour);
    }
}

}  // namespace brivex
