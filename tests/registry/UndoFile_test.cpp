#include <gtest/gtest.h>

#include "base/Unicode.h"
#include "lang/TempFolder.h"
#include "platform/portable/Cp1252Codec.h"
#include "platform/portable/MemoryRegistry.h"
#include "platform/portable/PortableUserFiles.h"
#include "registry/UndoFile.h"

namespace brivex::testing {
namespace {

class UndoFileSave : public ::testing::Test {
protected:
    UndoFileSave() {
        registry.PutValue(regroot::CurrentUser, "Control Panel\\Desktop", "MenuShowDelay", {1, {'4', '0', '0', 0}});
        undo.RecordValue(regroot::CurrentUser, "Control Panel\\Desktop", "MenuShowDelay");
    }
    std::string Read(const std::string& path) const { return folder.Get(path).value_or("<missing>"); }

    TempFolder folder;
    MemoryRegistry registry;
    Cp1252Codec ansi;
    PortableUserFiles files{folder.Path("AppData")};
    UndoFile undo{registry, ansi};
    LocalTime now{2026, 12, 7, 9, 5, 3};
};

TEST_F(UndoFileSave, NamedByDateAndTimeUnderTheUndoFolderInUtf16) {
    const std::string path = undo.Save(files, now);
    EXPECT_EQ(path, folder.Path("AppData\\Brivex Doziv\\Annulation\\2026-12-07-090503.reg"));
    EXPECT_EQ(Read(path), "\xFF\xFE" + Utf8ToUtf16Le(undo.Text() + "\r\n"));
}

TEST_F(UndoFileSave, ASecondRunInTheSameSecondKeepsTheFirstFile) {
    const std::string first = undo.Save(files, now);
    const std::string before = Read(first);
    const std::string second = undo.Save(files, now);
    EXPECT_EQ(second, folder.Path("AppData\\Brivex Doziv\\Annulation\\2026-12-07-090503 (2).reg"));
    EXPECT_EQ(Read(first), before);
    EXPECT_EQ(undo.Save(files, now), folder.Path("AppData\\Brivex Doziv\\Annulation\\2026-12-07-090503 (3).reg"));
}

TEST_F(UndoFileSave, NothingToUndoOrNowhereToWriteSavesNothing) {
    UndoFile nothing{registry, ansi};
    EXPECT_EQ(nothing.Save(files, now), "");
    EXPECT_FALSE(folder.Exists(folder.Path("AppData\\Brivex Doziv")));

    // A file where the folder should be.
    folder.Put(folder.Path("Blocked"), "x");
    PortableUserFiles blocked{folder.Path("Blocked")};
    EXPECT_EQ(undo.Save(blocked, now), "");
}

}  // namespace
}  // namespace brivex::testing
