#pragma once
// The number rules the whole program shares. Conversions to integers round to
// the nearest, ties to the even neighbour; display patterns round halves away
// from zero and use the user's decimal separator. Nothing here throws: a value
// that cannot be converted comes back as an empty optional.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brivex {

// Nearest integer, ties to even; empty when not finite or out of range.
std::optional<std::int32_t> ToInt32(double value);
std::optional<std::int16_t> ToInt16(double value);

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
