#include "base/Cp1252.h"
#include "base/Unicode.h"

#include <gtest/gtest.h>

namespace brivex {
namespace {

TEST(Cp1252_Conversion, WesternTextRoundTrips) {
    const std::string french = "Général, Français, à propos, œuvre, 5 €, « guillemets »";
    const std::string ansi = Utf8ToCp1252(french);
    EXPECT_EQ(ansi.find('?'), std::string::npos);
    EXPECT_EQ(ansi.substr(0, 7), "G\xE9n\xE9ral");
    EXPECT_NE(ansi.find('\x80'), std::string::npos) << "the euro sign is 0x80";
    EXPECT_EQ(Cp1252ToUtf8(ansi), french);
}

TEST(Cp1252_Conversion, CharactersOutsideTheCodePageBecomeQuestionMarks) { EXPECT_EQ(Utf8ToCp1252("Ж漢😀"), "???"); }

TEST(Cp1252_Conversion, CharactersOutsideTheCodePageTakeTheSystemsNearOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"Zażółć gęślą jaźń", "Zaz\xF3lc gesla jazn"},
        {"Đ ı ŀ", "\xD0 i ?"},
        {"ＡＢＣ！～", "ABC!~"},
        {"≤ ≥ ∞ √", "= = 8 v"},
        {"αβγ", "a\xDF?"},
        {"┌─┐", "+-+"},
        {"\xE3\x80\x80", " "},
    };
    for (const auto& [text, ansi] : cases) EXPECT_EQ(Utf8ToCp1252(text), ansi) << text;
}

TEST(Cp1252_Conversion, MalformedUtf8DoesNotReadPastTheEnd) {
    EXPECT_EQ(Utf8ToCp1252(std::string("a\xC3", 2)), "a\xC3");
    EXPECT_EQ(Utf8ToCp1252(std::string("\xE2\x82", 2)).size(), 2u);
}

TEST(Cp1252_Case, Utf8NamesFoldOnlyTheLettersOfTheCodePage) {
    EXPECT_TRUE(Utf8EqualsIgnoreCase("Général œuvre", "GÉNÉRAL ŒUVRE"));
    EXPECT_TRUE(Utf8EqualsIgnoreCase("Zażółć", "Zażółć"));
    EXPECT_FALSE(Utf8EqualsIgnoreCase("Zażółć", "ZAŻÓŁĆ")) << "no letter outside the code page folds";
    EXPECT_FALSE(Utf8EqualsIgnoreCase("Zażółć", "Zazolc")) << "a best fit is no match";
    EXPECT_FALSE(Utf8EqualsIgnoreCase("abc", "ab"));
}

TEST(Cp1252_Utf16, EveryCodeUnitSurvivesTheRoundTrip) {
    const std::string bytes("[\x00\x7C\x01\x00\xD8\xAC\x20]\x00", 10);
    EXPECT_EQ(Utf8ToUtf16Le(Utf16LeToUtf8(bytes)), bytes) << "a lone surrogate too";
    EXPECT_EQ(Utf16LeToUtf8(std::string("k\x00=\x00\xE9\x00x", 7)), "k=\xC3\xA9");
}

TEST(Cp1252_Case, FoldsAsciiAndWesternLetters) {
    EXPECT_TRUE(Cp1252EqualsIgnoreCase("Press", "PRESS"));
    EXPECT_TRUE(Cp1252EqualsIgnoreCase(Utf8ToCp1252("général"), Utf8ToCp1252("GÉNÉRAL")));
    EXPECT_TRUE(Cp1252EqualsIgnoreCase(Utf8ToCp1252("œ"), Utf8ToCp1252("Œ")));
    EXPECT_FALSE(Cp1252EqualsIgnoreCase("Press", "Pres"));
    EXPECT_FALSE(Cp1252EqualsIgnoreCase(Utf8ToCp1252("÷"), Utf8ToCp1252("×"))) << "signs are not letters";
}

}  // namespace
}  // namespace brivex
