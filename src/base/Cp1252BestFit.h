#pragma once

namespace brivex {

// The Windows-1252 byte the system's conversion writes for a character the
// code page lacks: a near one where it has one (its "best fit": "Ł" gives
// "L", a fullwidth "Ａ" gives "A"), "?" otherwise.
char Cp1252BestFit(char32_t code);

}  // namespace brivex
