#include "base/UsableFilePath.h"

#include <gtest/gtest.h>

#include <string>

namespace brivex {
namespace {

std::string Deep(int folders) {
    std::string path = "C:";
    for (int i = 0; i < folders; ++i) path += "\\a";
    return path + "\\English.lng";
}

TEST(UsableFilePath, TableOfPaths) {
    struct Case {
        std::string path;
        bool usable;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Brivex Doziv\\Lang\\English.lng", true},
        {"C:/Brivex/Lang/English.lng", true},
        {"\\\\serveur\\partage\\Lang\\English.lng", true},
        {"Lang\\English.lng", true},
        {"C:\\Dossier \xC3\xA9t\xC3\xA9\\Fran\xC3\xA7"
         "ais.lng",
         true},
        {"", false},
        {"English.lng", false},
        {"C:English.lng", false},
        {"C:\\Brivex\\Lang\\", false},
        {"C:\\Brivex\\Lang/", false},
        {std::string(1000, 'x'), false},
        {"C:\\" + std::string(1000, 'x') + ".lng", false},
        {Deep(200), false},
        {Deep(122), true},   // 258 characters
        {Deep(123), false},  // 260
        {"C:\\Lang\\a<b.lng", false},
        {"C:\\Lang\\a>b.lng", false},
        {"C:\\Lang\\a\"b.lng", false},
        {"C:\\Lang\\a|b.lng", false},
        {"C:\\Lang\\a?b.lng", false},
        {"C:\\Lang\\*.lng", false},
        {"\\\\?\\C:\\Lang\\English.lng", false},
        {"C:\\Lang\\English.lng:flux", false},
        {"1:\\Lang\\English.lng", false},
        {"C:\\Lang\\Eng\tlish.lng", false},
        {std::string("C:\\Lang\\Eng\0lish.lng", 20), false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsUsableFilePath(c.path, c.path.size()), c.usable) << c.path.substr(0, 60);
}

TEST(UsableFilePath, LengthCountsTheBytesTheSystemIsGivenAndStopsBeforeMaxPath) {
    const std::string longest = "C:\\" + std::string(252, 'a') + ".lng";  // 259 bytes
    EXPECT_TRUE(IsUsableFilePath(longest, longest.size()));
    EXPECT_FALSE(IsUsableFilePath(longest + "x", longest.size() + 1)) << "260 with its terminator is too long";
    std::string accented = "C:\\";
    for (int i = 0; i < 200; ++i) accented += "\xC3\xA9";  // 400 bytes of UTF-8, 200 of Windows-1252
    accented += ".lng";
    EXPECT_TRUE(IsUsableFilePath(accented, 207));
    EXPECT_FALSE(IsUsableFilePath("C:\\Lang\\English.lng", 300)) << "two bytes a character on a double-byte system";
}

}  // namespace
}  // namespace brivex
