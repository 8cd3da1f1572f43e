#include <gtest/gtest.h>

#include "base/Unicode.h"

namespace brivex {
namespace {

TEST(Unicode_Utf16, EachCharacterBecomesItsLittleEndianUnits) {
    struct Case { const char* utf8; std::string utf16; };
    const Case cases[] = {
        {"", ""},
        {"A=", std::string("A\0=\0", 4)},
        {"\xC3\xA9", std::string("\xE9\0", 2)},                         // é, two bytes in UTF-8
        {"\xE2\x82\xAC", "\xAC\x20"},                                   // €, three bytes
        {"\xF0\x9D\x84\x9E", "\x34\xD8\x1E\xDD"},                       // 𝄞, a surrogate pair
        {"\xFF", std::string("\xFF\0", 2)},                             // a stray byte stands for itself
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8ToUtf16Le(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(Utf8ToUtf16Le(std::string("a\0b", 3)), std::string("a\0\0\0b\0", 6)) << "NULs inside are kept";
}

TEST(Unicode_Utf8, FourByteCharactersSurviveTheRoundTrip) {
    std::string out;
    AppendUtf8(out, U'\U0001D11E');
    std::size_t at = 0;
    EXPECT_EQ(NextCodePoint(out, at), U'\U0001D11E');
    EXPECT_EQ(at, 4u);
}

}  // namespace
}  // namespace brivex
