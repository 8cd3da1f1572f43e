#include "base/Cp1252.h"

#include <algorithm>
#include <array>

#include "base/Cp1252BestFit.h"
#include "base/Unicode.h"

namespace brivex {

namespace {

// Code points of bytes 0x80..0x9F; zero marks the five bytes the code page leaves undefined.
// A row of the table is a row of eight bytes.
// clang-format off
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
// clang-format on

char32_t ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t mapped = kHighControls[byte - 0x80];
        return mapped ? mapped : byte;  // undefined bytes pass through, as Windows maps them
    }
    return byte;
}

char FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp || (kHighControls[i] == 0 && cp == 0x80 + i)) return static_cast<char>(0x80 + i);
    return Cp1252BestFit(cp);
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) out += FromCodePoint(NextCodePoint(utf8, i));
    return out;
}

std::string Cp1252ToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (const char c : ansi) AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

char Cp1252Upper(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
    switch (b) {
        case 0x9A: return static_cast<char>(0x8A);  // š
        case 0x9C: return static_cast<char>(0x8C);  // œ
        case 0x9E: return static_cast<char>(0x8E);  // ž
        case 0xFF: return static_cast<char>(0x9F);  // ÿ
        default: return c;
    }
}

bool Cp1252EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Cp1252Upper(x) == Cp1252Upper(y); });
}

std::string Cp1252ToUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = Cp1252Upper(c);
    return out;
}

bool Utf8EqualsIgnoreCase(std::string_view a, std::string_view b) {
    const auto fold = [](char32_t cp) {
        const auto ansi = static_cast<unsigned char>(FromCodePoint(cp));
        if (ToCodePoint(ansi) != cp) return cp;  // not a character of the code page
        return ToCodePoint(static_cast<unsigned char>(Cp1252Upper(static_cast<char>(ansi))));
    };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size())
        if (fold(NextCodePoint(a, i)) != fold(NextCodePoint(b, j))) return false;
    return i == a.size() && j == b.size();
}

}  // namespace brivex
