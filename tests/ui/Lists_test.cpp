#include <gtest/gtest.h>

#include "ui/DriveList.h"
#include "ui/FileList.h"
#include "ui/Form.h"

namespace brivex::ui {
namespace {

struct ListsForm : Form {
    ListsForm() : Form("FrmLists", "Lists") {}
    std::vector<std::string> asked;
    DriveList Drive1{*this, "Drive1"};
    FileList File1{*this, "File1", "*.lng", [this](const std::string& wildcard) {
                       asked.push_back(wildcard);
                       return std::vector<std::string>{"English.lng", "Francais.lng"};
                   }};
};

TEST(DriveList_Fill, ChoosesTheFirstOrTheCurrentLetterAndUserChoiceFiresChange) {
    ListsForm form;
    form.Drive1.Fill({"a:", "c: [System]", "d: [DVD]"});
    EXPECT_EQ(form.Drive1.Drive(), "a:");
    form.Drive1.Fill({"a:", "c: [System]", "d: [DVD]"}, "C:");
    EXPECT_EQ(form.Drive1.Drive(), "c: [System]");
    int changes = 0;
    form.Drive1.OnChange = [&] { ++changes; };
    form.Drive1.SetListIndex(2);
    EXPECT_EQ(changes, 0) << "chosen from code: no event";
    form.Drive1.UserSelected(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.Drive1.Drive(), "d: [DVD]");
    form.Drive1.Fill({});
    EXPECT_EQ(form.Drive1.Drive(), "");
}

TEST(FileList_Path, ListsTheFolderWithThePatternAndAgainOnEverySet) {
    ListsForm form;
    EXPECT_TRUE(form.File1.Items().empty());
    form.File1.SetPath("C:\\Brivex\\Lang");
    form.File1.SetPath("C:\\Brivex\\Lang");
    form.File1.SetPath("C:\\");
    EXPECT_EQ(form.asked,
              (std::vector<std::string>{"C:\\Brivex\\Lang\\*.lng", "C:\\Brivex\\Lang\\*.lng", "C:\\*.lng"}));
    EXPECT_EQ(form.File1.Items(), (std::vector<std::string>{"English.lng", "Francais.lng"}));
    EXPECT_EQ(form.File1.ListIndex(), -1);
}

}  // namespace
}  // namespace brivex::ui
