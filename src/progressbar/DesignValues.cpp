#include "progressbar/DesignValues.h"

#include <array>
#include <memory>

#include "base/Numbers.h"
#include "base/Units.h"

namespace brivex {

namespace {

const TextFont kArial = {"Arial", 8.25};

constexpr double kHundredthsOfMillimetrePerInch = 2540.0;

// An extent at `unitsPerInch` (dots, or the 1440 twips of an inch), in whole units.
int ToUnits(int extent, int unitsPerInch) {
    return ToInt32(extent * static_cast<double>(unitsPerInch) / kHundredthsOfMillimetrePerInch).value_or(0);
}

}  // namespace

const BarDesign kBar1Design = {"Bar1", "FrmHome", 9340, 661, 0xFFD3A8, 0, 1, true, kArial, 0};
const BarDesign kBrivexPBar1Design = {"BrivexPBar1", "FrmTweak", 9128, 238, 0xFFCD9B, 0, 1, false, {}, {}};
const BarDesign kBrivexPBar2Design = {"BrivexPBar2", "FrmInfoSys", 1085, 1296, 0x00C000, 1, 1, true, {}, {}};
const BarDesign kBrivexPBar3Design = {"BrivexPBar3", "FrmInfoSys", 1296, 1085, 0x0080FF, 1, 1, true, {}, {}};
const BarDesign kBrivexPBar4Design = {"BrivexPBar4", "FrmInfoSys", 1085, 1296, 0x0000FF, 1, 1, true, {}, {}};
const BarDesign kPB1Design = {"PB1", "FrmInfoSys", 10186, 238, 0x0040C0, 0, 0, false, {}, {}};
const BarDesign kPB2Design = {"PB2", "FrmInfoSys", 10186, 238, 0x008000, 0, 0, false, {}, {}};

std::span<const BarDesign* const> BarDesigns() {
    static constexpr std::array<const BarDesign*, 7> kAll = {
        &kBar1Design,        &kBrivexPBar1Design, &kBrivexPBar2Design, &kBrivexPBar3Design,
        &kBrivexPBar4Design, &kPB1Design,         &kPB2Design};
    return kAll;
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
    return {ToUnits(design.extentWidth, dotsPerInch), ToUnits(design.extentHeight, dotsPerInch)};
}

Size DesignSizeInTwips(const BarDesign& design) {
    return {ToUnits(design.extentWidth, kTwipsPerInch), ToUnits(design.extentHeight, kTwipsPerInch)};
}

}  // namespace brivex
