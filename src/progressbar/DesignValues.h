#pragma once
// The progress bars the windows place at design time, with the values their
// window definitions persist. A window loads an instance by handing its
// DesignPropertyBag to the bar's LoadProperties.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "graphics/Canvas.h"
#include "progressbar/PropertyBag.h"

namespace brivex {

struct BarDesign {
    std::string_view instance;
    std::string_view window;
    int extentWidth;   // hundredths of a millimetre
    int extentHeight;
    ColorRef color;
    std::int32_t orientation;
    std::int32_t scrolling;
    bool showText;
    std::optional<TextFont> font;           // the default font when not given
    std::optional<std::int32_t> brushStyle;  // not stored when not given
};

std::span<const BarDesign> BarDesigns();
const BarDesign* FindBarDesign(std::string_view instance);

// What the window definition holds for the instance: the font always, the
// other values only where they differ from their defaults.
MemoryPropertyBag DesignPropertyBag(const BarDesign& design);

// The design extent in whole pixels at `dotsPerInch`.
Size DesignSizeInPixels(const BarDesign& design, int dotsPerInch);

}  // namespace brivex
