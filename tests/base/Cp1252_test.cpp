#include "base/Cp1252.h"

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

TEST(Cp1252_Conversion, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("Ж漢😀"), "???");
}

TEST(Cp1252_Conversion, MalformedUtf8DoesNotReadPastTheEnd) {
    EXPECT_EQ(Utf8ToCp1252(std::string("a\xC3", 2)), "a\xC3");
    EXPECT_EQ(Utf8ToCp1252(std::string("\xE2\x82", 2)).size(), 2u);
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
