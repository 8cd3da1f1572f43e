#pragma once
// The number rules the whole program shares. Conversions to integers round to
// the nearest, ties to the even neighbour; display patterns round halves away
// from zero and use the user's decimal separator. Nothing here throws: a value
// that cannot be converted comes back as an empty optional.

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace brivex {

// Nearest integer, ties to even; empty when not finite or out of range.
// Inline: the progress bar's gradients call it for every channel of every step.
template <typename Int>
inline std::optional<Int> ToIntegerTiesToEven(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // the default rounding mode: ties to even
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}
inline std::optional<std::int32_t> ToInt32(double value) { return ToIntegerTiesToEven<std::int32_t>(value); }
inline std::optional<std::int16_t> ToInt16(double value) { return ToIntegerTiesToEven<std::int16_t>(value); }

// Reads a whole text as a number: blanks around it, an optional sign, digits
// with an optional fraction after `decimalSeparator`, an optional exponent.
// Anything else (an empty text included) is no number.
std::optional<double> TextToNumber(std::string_view text, char decimalSeparator = '.');

// Display patterns made of '#', '0' and one '.', such as "#0", "#0.0" and
// "##.##": '0' digits always show, '#' digits only when significant, so
// "##.##" shows 0.5 as ".5" and 0 as the separator alone.
std::string FormatNumber(double value, std::string_view pattern, char decimalSeparator);

// A single-precision value in its shortest form of at most seven significant
// digits: plain notation for ordinary magnitudes, "1.5E+08" style otherwise.
std::string SingleToText(float value, char decimalSeparator);

}  // namespace brivex
