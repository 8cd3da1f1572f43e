#include "lang/LanguageSection.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace brivex::testing {
namespace {

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string bytes;
    for (const std::string_view line : lines) {
        bytes += line;
        bytes += '\0';
    }
    return bytes;
}

// Wine hands a section back trimmed and without its comment lines; another
// system may hand the lines back as they stand in the file. Either way the
// answers are the same.
TEST(LanguageSection_Lines, AsTheyStandInTheFileAnswerAsTrimmedOnes) {
    const LanguageSection trimmed(Lines({"Label1.Caption=\"Quitter\"", "Label2.Caption=Nouveau", "NoEquals",
                                         "NoEquals=late", "Label3.Caption='x'", "Empty="}));
    const LanguageSection raw(
        Lines({"  Label1.Caption  =  \"Quitter\"  ", "; note", ";Label2.Caption=old", "Label2.Caption = Nouveau ",
               "\tNoEquals\t", "NoEquals=late", "  ", "Label3.Caption=\t'x'\t\x1A", " Empty = "}));
    const std::pair<const char*, const char*> cases[] = {
        {"Label1.Caption", "Quitter"},
        {"Label2.Caption", "Nouveau"},
        {"NoEquals", "<d>"},
        {"Label3.Caption", "x"},
        {"Empty", ""},
        {"Absent", "<d>"},
    };
    for (const auto& [key, text] : cases) {
        EXPECT_EQ(trimmed.Text(key, "<d>", 255), text) << key;
        EXPECT_EQ(raw.Text(key, "<d>", 255), text) << key;
    }
}

TEST(LanguageSection_Lines, NoneMeansEveryKeyIsMissing) {
    const LanguageSection none("");
    EXPECT_EQ(none.Text("Form.Caption", "Velmora Xp  ", 255), "Velmora Xp");
    EXPECT_EQ(none.Text("Form.Caption", std::string(300, 'd'), 255), std::string(254, 'd'));
    EXPECT_EQ(none.Text("Form.Caption", "\"Velmora Xp\"", 255), std::nullopt)
        << "the file may have been opened or not, and the quotes go only when it was";
}

}  // namespace
}  // namespace brivex::testing
