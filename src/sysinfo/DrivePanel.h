#pragma once

#include <cstdint>
#include <string>

#include "ui/DrvFact.h"

namespace brivex {

// The drive type's text, the types tested in a fixed order, the first match winning.
std::string DriveTypeText(const ui::DrvFact& fact);

// The free share in percent, ties to even; 0 for a drive without a size.
std::int32_t DriveGauge(const ui::DrvFact& fact);

// A size as a plain number: up to fifteen significant digits, no grouping,
// the user's decimal separator before a fraction.
std::string SizeText(double size, char decimalSeparator);

}  // namespace brivex
