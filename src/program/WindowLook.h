#pragma once
// The look the windows' own controls share: the colours of their texts, their
// font, and their places given in the pixels of the windows' drawings.

#include <cstdint>

#include "base/Units.h"
#include "ui/Control.h"

namespace brivex::look {

// 0x00BBGGRR.
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kPaleBlue = 0xF5DCC8;
inline constexpr std::uint32_t kInk = 0x4A2A12;
inline constexpr std::uint32_t kLink = 0xB05A1F;

// A control's place in twips, from the pixels of a window drawn at 96 dots per inch.
constexpr ui::Bounds DesignBounds(int left, int top, int width, int height) {
    return {DesignPixelsToTwips(left), DesignPixelsToTwips(top), DesignPixelsToTwips(width),
            DesignPixelsToTwips(height)};
}

inline ui::Appearance Text(double points, bool bold, std::uint32_t color,
                           ui::Appearance::Align align = ui::Appearance::Align::Left) {
    ui::Appearance look;
    look.fontPoints = points;
    look.bold = bold;
    look.foreColor = color;
    look.align = align;
    return look;
}

}  // namespace brivex::look
