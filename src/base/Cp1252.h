#pragma once
// Windows-1252, the ANSI code page of Western Windows systems, which the
// registry, the settings and the language files are read and written in.
// A character the code page lacks becomes a near one where the system's own
// conversion has one, '?' otherwise (Cp1252BestFit).

#include <string>
#include <string_view>

namespace brivex {

std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view ansi);

// Upper case of one ANSI byte, as the system folds names when it compares them.
char Cp1252Upper(char c);
bool Cp1252EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string Cp1252ToUpper(std::string_view text);

// Names in UTF-8 compared as the system compares them: the letters the code
// page has fold as Cp1252Upper folds them; any other character matches itself.
bool Utf8EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace brivex
