#pragma once
// Windows-1252, the ANSI code page of Western Windows systems, which the
// registry, the settings and the language files are read and written in.
// Characters the code page lacks become '?', as the system's own conversion does.

#include <string>
#include <string_view>

namespace brivex {

std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view ansi);

// Upper case of one ANSI byte, as the system folds names when it compares them.
char Cp1252Upper(char c);
bool Cp1252EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string Cp1252ToUpper(std::string_view text);

}  // namespace brivex
