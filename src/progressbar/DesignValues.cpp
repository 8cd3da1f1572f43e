#include "progressbar/DesignValues.h"

#include <algorithm>
#include <array>
#include <memory>

#include "base/Numbers.h"

namespace brivex {

namespace {

const TextFont kArial = {"Arial", 8.25};

const std::array<BarDesign, 7> kBarDesigns = {{
    {"Bar1", "FrmHome", 9340, 661, 0xFFD3A8, 0, 1, true, kArial, 0},
    {"BrivexPBar1", "FrmTweak", 9128, 238, 0xFFCD9B, 0, 1, false, std::nullopt, std::nullopt},
    {"BrivexPBar2", "FrmInfoSys", 1085, 1296, 0x00C000, 1, 1, true, std::nullopt, std::nullopt},
    {"BrivexPBar3", "FrmInfoSys", 1296, 1085, 0x0080FF, 1, 1, true, std::nullopt, std::nullopt},
    {"BrivexPBar4", "FrmInfoSys", 1085, 1296, 0x0000FF, 1, 1, true, std::nullopt, std::nullopt},
    {"PB1", "FrmInfoSys", 10186, 238, 0x0040C0, 0, 0, false, std::nullopt, std::nullopt},
    {"PB2", "FrmInfoSys", 10186, 238, 0x008000, 0, 0, false, std::nullopt, std::nullopt},
}};

constexpr double kHundredthsOfMillimetrePerInch = 2540.0;

int ToPixels(int extent, int dotsPerInch) {
    return ToInt32(extent * static_cast<double>(dotsPerInch) / kHundredthsOfMillimetrePerInch).value_or(0);
}

}  // namespace

std::span<const BarDesign> BarDesigns() { return kBarDesigns; }

const BarDesign* FindBarDesign(std::string_view instance) {
    const auto found = std::find_if(kBarDesigns.begin(), kBarDesigns.end(),
                                    [&](const BarDesign& design) { return design.instance == instance; });
    return found == kBarDesigns.end() ? nullptr : &*found;
}

MemoryPropertyBag DesignPropertyBag(const BarDesign& design) {
    MemoryPropertyBag bag;
    bag.Write("Font", std::make_shared<TextFont>(design.font.value_or(TextFont{})));
    if (design.brushStyle) bag.Write("BrushStyle", *design.brushStyle);
    bag.Write("Color", static_cast<std::int32_t>(design.color));
    if (design.orientation != 0) bag.Write("Orientation", design.orientation);
    if (design.scrolling != 0) bag.Write("Scrolling", design.scrolling);
    if (design.showText) bag.Write("ShowText", true);
    return bag;
}

Size DesignSizeInPixels(const BarDesign& design, int dotsPerInch) {
    return {ToPixels(design.extentWidth, dotsPerInch), ToPixels(design.extentHeight, dotsPerInch)};
}

}  // namespace brivex
