#pragma once

#include <array>
#include <string>
#include <string_view>

#include "registry/RegistryData.h"

namespace brivex {

// A row of the Windows or PC panel: its caption and the value it shows, under
// HKEY_LOCAL_MACHINE. The PC panel's memory row has no key: it shows the
// memory panel's total.
struct RegistryRow {
    std::string_view caption;
    std::string_view key;
    std::string_view valueName;
    // The row's text before its panel is first filled.
    std::string_view designText;
};

inline constexpr std::size_t kRowCount = 8;

// Top to bottom.
extern const std::array<RegistryRow, kRowCount> kWindowsRows;
extern const std::array<RegistryRow, kRowCount> kPcRows;
// The rows in the order their values are read.
inline constexpr std::array<std::size_t, kRowCount> kWindowsReadingOrder = {0, 1, 4, 2, 3, 6, 7, 5};
inline constexpr std::array<std::size_t, kRowCount> kPcReadingOrder = {1, 0, 7, 6, 2, 3, 4, 5};
inline constexpr std::size_t kPcMemoryRow = 3;

// Two blanks, then a text as read or a number's decimal digits; a missing
// value, or one of another type, leaves the two blanks alone.
std::string RowText(const RegistryData& value);

// The memory row: the total, then three blanks and "MO".
std::string MemoryRowText(float totalMegabytes, char decimalSeparator);

}  // namespace brivex
