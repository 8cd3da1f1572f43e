#include <gtest/gtest.h>

#include "base/Unicode.h"

namespace brivex {
namespace {

TEST(Unicode_Utf16, EachCharacterBecomesItsLittleEndianUnits) {
    struct Case {
        const char* utf8;
        std::string utf16;
    };
    const Case cases[] = {
        {"", ""},
        {"A=", std::string("A\0=\0", 4)},
        {"\xC3\xA9", std::string("\xE9\0", 2)},    // é, two bytes in UTF-8
        {"\xE2\x82\xAC", "\xAC\x20"},              // €, three bytes
        {"\xF0\x9D\x84\x9E", "\x34\xD8\x1E\xDD"},  // 𝄞, a surrogate pair
        {"\xFF", std::string("\xFF\0", 2)},        // a stray byte stands for itself
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8ToUtf16Le(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(Utf8ToUtf16Le(std::string("a\0b", 3)), std::string("a\0\0\0b\0", 6)) << "NULs inside are kept";
}

TEST(Unicode_Utf8, ValidityAsTheTextFilesAreTold) {
    struct Case {
        std::string bytes;
        bool utf8;
    };
    const Case cases[] = {
        {"", true},
        {"plain", true},
        {"pr\xC3\xA9r\xC3\xA9glage \xE2\x82\xAC \xF0\x9D\x84\x9E", true},
        {"pr\xE9r\xE9glage", false},  // Windows-1252
        {"\xC3", false},              // cut short
        {"\xC0\xA9", false},          // an overlong lead
        {"\xE2\x82(", false},         // a continuation missing
        {"\x80", false},              // a continuation alone
    };
    for (const Case& c : cases) EXPECT_EQ(IsUtf8(c.bytes), c.utf8) << c.bytes;
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
