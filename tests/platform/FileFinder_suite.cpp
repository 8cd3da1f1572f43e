// What the settings window's language list relies on, from the portable file
// search and from the system's own alike: files only, the pattern's letters
// in any case, accented names intact, nothing from a missing folder.

#include <gtest/gtest.h>

#include <algorithm>

#include "lang/TempFolder.h"
#include "platform/FileFinderHarness.h"

namespace brivex::testing {
namespace {

class FileFinder_Search : public ::testing::Test {
protected:
    FileFinder_Search() {
        for (const char* name : {"English.lng",
                                 "Fran\xC3\xA7"
                                 "ais.lng",
                                 "NOTES.LNG", "readme.txt", "Deutsch.lng.bak", "lng", "a.lng"})
            folder.Put(folder.Path(name), "[MSG]\r\n");
        folder.MakeFolder(folder.Path("Archive.lng"));
    }
    // The system gives no order of its own on every disk: the names as a set.
    std::vector<std::string> Found(const std::string& pattern) {
        std::vector<std::string> names = finder->FindFiles(folder.Path(pattern));
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder;
    std::unique_ptr<FileFinder> finder = MakeFileFinder();
};

TEST_F(FileFinder_Search, PatternsMatchFileNamesOnly) {
    struct Case {
        const char* pattern;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"*.lng",
         {"English.lng",
          "Fran\xC3\xA7"
          "ais.lng",
          "NOTES.LNG", "a.lng"}},
        {"*.LNG",
         {"English.lng",
          "Fran\xC3\xA7"
          "ais.lng",
          "NOTES.LNG", "a.lng"}},
        {"?.lng", {"a.lng"}},
        {"E*", {"English.lng"}},
        {"*.txt", {"readme.txt"}},
        {"*.wav", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Found(c.pattern), c.names) << c.pattern;
}

TEST_F(FileFinder_Search, AMissingFolderGivesNothing) {
    EXPECT_TRUE(finder->FindFiles(folder.Path("Lang\\*.lng")).empty());
}

}  // namespace
}  // namespace brivex::testing
