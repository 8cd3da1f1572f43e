#pragma once
// The progress bars the windows place at design time, with the values their
// window definitions persist. A window hands its bar control the design of the
// instance, which loads the bar from its DesignPropertyBag and takes its size.

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
    int extentWidth;  // hundredths of a millimetre
    int extentHeight;
    ColorRef color;
    std::int32_t orientation;
    std::int32_t scrolling;
    bool showText;
    std::optional<TextFont> font;            // the default font when not given
    std::optional<std::int32_t> brushStyle;  // not stored when not given
};

// Each window hands its bar the design of its own instance.
extern const BarDesign kBar1Design;         // main window
extern const BarDesign kBrivexPBar1Design;  // tweak panel
extern const BarDesign kBrivexPBar2Design;  // system information
extern const BarDesign kBrivexPBar3Design;  // system information, drive panel
extern const BarDesign kBrivexPBar4Design;  // system information
extern const BarDesign kPB1Design;          // system information
extern const BarDesign kPB2Design;          // system information

// The seven, in the order above.
std::span<const BarDesign* const> BarDesigns();

// What the window definition holds for the instance: the font always, the
// other values only where they differ from their defaults.
MemoryPropertyBag DesignPropertyBag(const BarDesign& design);

// The design extent in whole pixels at `dotsPerInch`.
Size DesignSizeInPixels(const BarDesign& design, int dotsPerInch);
// The design extent in whole twips, the unit windows are laid out in.
Size DesignSizeInTwips(const BarDesign& design);

}  // namespace brivex
