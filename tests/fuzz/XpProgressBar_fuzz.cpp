// The progress bar with any property values: Min, Max and Value, the look,
// the colours (system ones too), the hatch, the picture, the font and the
// window's size, set in any order, each write drawn at once into a
// PixelCanvas. A refused Value write changes nothing, and with the default
// range a value from 0 to 100 reads back as written.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <memory>

#include "FuzzRequire.h"
#include "progressbar/PixelBarHost.h"
#include "progressbar/XpProgressBar.h"

namespace brivex::fuzzing {
namespace {

// Sizes stay within what a window can be, so that one input draws quickly.
int AnyExtent(FuzzedDataProvider& input, int largest) { return input.ConsumeIntegralInRange(-4, largest); }

std::int32_t AnyStyle(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(0, 10) : input.ConsumeIntegral<std::int32_t>();
}

ColorRef AnyColour(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? 0x80000000u | input.ConsumeIntegralInRange(0, 40) : input.ConsumeIntegral<ColorRef>();
}

std::shared_ptr<const Picture> AnyPicture(FuzzedDataProvider& input) {
    auto picture = std::make_shared<Picture>();
    picture->width = input.ConsumeIntegralInRange(-1, 12);
    picture->height = input.ConsumeIntegralInRange(-1, 12);
    // Not always as many pixels as the measures say: that is no bitmap.
    const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, 150);
    for (std::size_t i = 0; i < count; ++i) picture->pixels.push_back(input.ConsumeIntegral<ColorRef>());
    return picture;
}

void SetValue(XpProgressBar& bar, std::int32_t value) {
    const std::int32_t before = bar.Value();
    const bool defaultRange = bar.Min() == 0 && bar.Max() == 100;
    const ValueWrite result = bar.SetValue(value);
    if (result != ValueWrite::Stored) {
        FUZZ_REQUIRE(bar.Value() == before);
        FUZZ_REQUIRE(result == ValueWrite::Overflow || bar.Max() == 0);
    } else if (defaultRange && value >= 0 && value <= 100) {
        FUZZ_REQUIRE(bar.Value() == value);
    }
}

}  // namespace
}  // namespace brivex::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brivex;
    using namespace brivex::fuzzing;
    FuzzedDataProvider input(data, size);
    std::array<ColorRef, 41> palette{};
    const bool luna = input.ConsumeBool();
    if (!luna)
        for (ColorRef& colour : palette) colour = input.ConsumeIntegral<ColorRef>();
    PixelBarHost host(AnyExtent(input, 320), AnyExtent(input, 48), [&palette, luna](int index) -> ColorRef {
        if (luna) return LunaSystemColor(index);
        return index >= 0 && index < static_cast<int>(palette.size()) ? palette[index] : 0;
    });
    XpProgressBar bar(host);

    for (int step = 0; step < 24 && input.remaining_bytes() > 0; ++step) {
        switch (input.ConsumeIntegralInRange(0, 13)) {
            case 0:
                bar.SetMin(input.ConsumeBool() ? input.ConsumeIntegralInRange(-200, 200)
                                               : input.ConsumeIntegral<std::int32_t>());
                break;
            case 1:
                bar.SetMax(input.ConsumeBool() ? input.ConsumeIntegralInRange(-200, 200)
                                               : input.ConsumeIntegral<std::int32_t>());
                break;
            case 2:
            case 3:
                SetValue(bar, input.ConsumeBool() ? input.ConsumeIntegralInRange(-200, 200)
                                                  : input.ConsumeIntegral<std::int32_t>());
                break;
            case 4: bar.SetScrolling(AnyStyle(input)); break;
            case 5:
                bar.SetOrientation(input.ConsumeBool() ? input.ConsumeIntegralInRange(0, 1)
                                                       : input.ConsumeIntegral<std::int32_t>());
                break;
            case 6: bar.SetColor(AnyColour(input)); break;
            case 7: bar.SetBrushStyle(AnyStyle(input)); break;
            case 8: bar.SetShowText(input.ConsumeBool()); break;
            case 9: bar.SetImage(input.ConsumeBool() ? AnyPicture(input) : nullptr); break;
            case 10: {
                auto font = std::make_shared<TextFont>();
                font->points = input.ConsumeFloatingPointInRange(-100.0, 2000.0);
                font->bold = input.ConsumeBool();
                bar.SetFont(input.ConsumeBool() ? font : nullptr);
                bar.DrawProgressBar();
                break;
            }
            case 11:
                // The window was resized; the bar learns it at its next SetHdc or host change.
                host.SetSize(AnyExtent(input, 320), AnyExtent(input, 48));
                if (input.ConsumeBool()) bar.SetHdc();
                else bar.SetHost(host);
                bar.DrawProgressBar();
                break;
            case 12:
                host.SetBuffersFail(input.ConsumeBool());
                bar.SetHost(host);
                break;
            default: {
                MemoryPropertyBag bag;
                for (const char* name : {"BrushStyle", "Color", "Max", "Min", "Orientation", "Scrolling", "Value"})
                    if (input.ConsumeBool()) bag.Write(name, input.ConsumeIntegral<std::int32_t>());
                if (input.ConsumeBool()) bag.Write("ShowText", input.ConsumeBool());
                bar.LoadProperties(bag);
                break;
            }
        }
        static_cast<void>(bar.Value());
    }
    return 0;
}
