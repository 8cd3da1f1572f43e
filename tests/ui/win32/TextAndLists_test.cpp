// The text box and the four list kinds on a real form under Wine: the window
// shows what the model holds, the user's typing and choosing reach the model
// and fire its handler once, and what the program sets fires nothing.

#include <algorithm>
#include <utility>
#include <vector>

#include "lang/TempFolder.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Drives.h"
#include "platform/win32/Win32FileFinder.h"
#include "ui/DriveList.h"
#include "ui/FileList.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/TextBox.h"
#include "ui/win32/FormTesting.h"

namespace brivex::ui::testing {
namespace {

struct ListsForm : Form {
    explicit ListsForm(FileFinder& files) : Form("FrmLists", "Listes"), files_(files) {
        SetDesign(9000, 6000, "");
        Label1.SetPosition({150, 150, 1500, 360});
        Label1.SetLook(Appearance{.middle = true});
        Text1.SetPosition({1800, 150, 1500, 360});
        List1.SetPosition({150, 600, 3000, 1500});
        Combo1.SetPosition({150, 2300, 3000, 360});
        Drive1.SetPosition({3450, 150, 3000, 315});
        File1.SetPosition({3450, 600, 3000, 1500});
        Text1.OnChange = [this] { ++changes; };
        List1.OnClick = [this] { ++listClicks; };
        Combo1.OnClick = [this] { ++comboClicks; };
        Drive1.OnChange = [this] { ++driveChanges; };
        File1.OnClick = [this] { ++fileClicks; };
    }

    FileFinder& files_;
    int changes = 0;
    int listClicks = 0;
    int comboClicks = 0;
    int driveChanges = 0;
    int fileClicks = 0;
    Label Label1{*this, "Label1", "Mon point"};
    TextBox Text1{*this, "Text1", "Mon point"};
    ListBox List1{*this, "List1"};
    ComboBox Combo1{*this, "Combo1"};
    DriveList Drive1{*this, "Drive1"};
    FileList File1{*this, "File1", "*.lng", [this](const std::string& wildcard) { return files_.FindFiles(wildcard); }};
};

std::vector<std::wstring> ListItems(HWND list) {
    std::vector<std::wstring> items;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

std::vector<std::wstring> ComboItems(HWND combo) {
    std::vector<std::wstring> items;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

std::vector<std::wstring> Wide(const std::vector<std::string>& texts) {
    std::vector<std::wstring> wide;
    for (const std::string& text : texts) wide.push_back(Widen(text));
    return wide;
}

// A click in the middle of a list box's item.
void ClickItem(HWND list, int index) {
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    ClickAt(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

int Height(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.bottom - r.top;
}

int LineHeight(HWND window) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return metrics.tmHeight;
}

// The first and the last row of the screen, within a window inset by `inset`
// pixels, that hold dark pixels: the top and the foot of the text it shows.
std::pair<int, int> InkRows(HWND window, int inset) {
    RECT r{};
    GetWindowRect(window, &r);
    InflateRect(&r, -inset, -inset);
    HDC screen = GetDC(nullptr);
    std::pair<int, int> rows{-1, -1};
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const COLORREF c = GetPixel(screen, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) >= 300) continue;
            rows = {rows.first < 0 ? y : rows.first, y};
            break;
        }
    ReleaseDC(nullptr, screen);
    return rows;
}

class ListsTest : public FormTest {
protected:
    ListsTest() { host.Show(form); }
    Win32FileFinder files;
    ListsForm form{files};
};

TEST_F(ListsTest, TextBoxShowsTheModelsTextAndTypingChangesItOnce) {
    HWND box = WindowOf(form.Text1);
    EXPECT_EQ(TextOf(box), L"Mon point");
    form.Text1.SetText("Point \u00e9t\u00e9");
    EXPECT_EQ(TextOf(box), L"Point \u00e9t\u00e9");
    EXPECT_EQ(form.changes, 0) << "set from code";
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
    Type(L'X');
    EXPECT_EQ(form.Text1.Text(), "X");
    EXPECT_EQ(form.changes, 1);
}

TEST_F(ListsTest, AReadOnlyTextBoxCanBeSelectedButNotChanged) {
    HWND box = WindowOf(form.Text1);
    form.Text1.SetReadOnly(true);
    EXPECT_TRUE(GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY);
    SetFocus(box);
    EXPECT_EQ(GetFocus(), box);
    SendMessageW(box, EM_SETSEL, 0, 3);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 3u);
    Type(L'X');
    EXPECT_EQ(form.Text1.Text(), "Mon point");
    EXPECT_EQ(form.changes, 0);
    form.Text1.SetReadOnly(false);
    EXPECT_FALSE(GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY);
}

TEST_F(ListsTest, ListBoxShowsTheItemsAndTheUsersChoiceReachesTheModel) {
    HWND list = WindowOf(form.List1);
    for (const char* item : {"Ralentissements", "D\u00e9marrage", "M\u00e9moire"}) form.List1.AddItem(item);
    EXPECT_EQ(ListItems(list), (std::vector<std::wstring>{L"Ralentissements", L"D\u00e9marrage", L"M\u00e9moire"}));
    form.List1.SetListIndex(2);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(form.listClicks, 0) << "chosen from code";
    ClickItem(list, 1);
    EXPECT_EQ(form.List1.ListIndex(), 1);
    EXPECT_EQ(form.List1.SelectedText(), "D\u00e9marrage");
    EXPECT_EQ(form.listClicks, 1);
    form.List1.Clear();
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListsTest, ComboBoxIsADropDownListWhoseChoiceReachesTheModel) {
    HWND combo = WindowOf(form.Combo1);
    EXPECT_EQ(GetWindowLongPtrW(combo, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    for (const char* item : {"Fran\u00e7ais", "English"}) form.Combo1.AddItem(item);
    form.Combo1.SetListIndex(0);
    EXPECT_EQ(ComboItems(combo), (std::vector<std::wstring>{L"Fran\u00e7ais", L"English"}));
    EXPECT_EQ(TextOf(combo), L"Fran\u00e7ais") << "its window text is the chosen item";
    EXPECT_EQ(form.comboClicks, 0);
    SetFocus(combo);
    Press(VK_DOWN);
    EXPECT_EQ(form.Combo1.ListIndex(), 1);
    EXPECT_EQ(form.Combo1.SelectedText(), "English");
    EXPECT_EQ(form.comboClicks, 1);
    RECT closed{};
    GetWindowRect(combo, &closed);
    RECT dropped{};
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_GT(dropped.bottom - dropped.top, 3 * (closed.bottom - closed.top)) << "the dropped list shows several items";
}

TEST_F(ListsTest, AOneLineBoxCentresItsLineOnTheRowOfTheCaptionBesideIt) {
    HWND caption = WindowOf(form.Label1);
    HWND box = WindowOf(form.Text1);
    SetFocus(WindowOf(form.List1));  // a box with the focus shows its text chosen, in reverse
    RedrawWindow(WindowOf(form), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    // The same words in both: their letters start and end on the same rows of the screen.
    const std::pair<int, int> captionRows = InkRows(caption, 0);
    EXPECT_GE(captionRows.first, 0) << "the caption is drawn";
    EXPECT_EQ(InkRows(box, GetSystemMetrics(SM_CYEDGE) + 1), captionRows);
    EXPECT_EQ(Height(box), Height(caption)) << "the box keeps its designed height";
}

TEST_F(ListsTest, AComboBoxIsAsHighAsATextBoxAndItsListLinesKeepAMarginRoundTheirText) {
    HWND combo = WindowOf(form.Combo1);
    for (const char* item : {"Optimisation Velmora", "Application setup", "Hardware setup"}) form.Combo1.AddItem(item);
    EXPECT_EQ(Height(combo), Height(WindowOf(form.Text1))) << "closed, at the height of its design";
    const int line = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_GE(line, LineHeight(combo) + 4) << "two pixels above and below the text, descenders included";
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    ASSERT_TRUE(GetComboBoxInfo(combo, &parts));
    RECT list{};
    GetClientRect(parts.hwndList, &list);
    EXPECT_GE(list.bottom, 3 * line) << "every item shows whole";
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ListsTest, DriveListShowsTheMachinesDrivesAndTheUsersChoiceFiresChange) {
    Win32Drives drives;
    const std::vector<std::string> machine = drives.DriveList();
    ASSERT_GE(machine.size(), 2u) << "Wine gives c: and z:";
    form.Drive1.Fill(machine, "C:\\");
    HWND list = WindowOf(form.Drive1);
    EXPECT_EQ(ComboItems(list), Wide(machine));
    const auto c =
        std::find_if(machine.begin(), machine.end(), [](const std::string& d) { return d.rfind("c:", 0) == 0; });
    ASSERT_NE(c, machine.end());
    EXPECT_EQ(TextOf(list), Widen(*c));
    EXPECT_EQ(form.driveChanges, 0);
    SetFocus(list);
    Press(VK_DOWN);
    EXPECT_EQ(form.Drive1.Drive(), machine[static_cast<std::size_t>(c - machine.begin()) + 1]);
    EXPECT_EQ(form.driveChanges, 1);
}

TEST_F(ListsTest, FileListShowsTheFolderFilesMatchingThePattern) {
    brivex::testing::TempFolder folder;
    for (const char* name : {"English.lng", "Fran\u00e7ais.lng", "notes.txt"}) folder.Put(folder.Path(name), "x");
    folder.MakeFolder(folder.Path("Old.lng"));
    form.File1.SetPath(folder.Path());
    HWND list = WindowOf(form.File1);
    std::vector<std::wstring> shown = ListItems(list);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"English.lng", L"Fran\u00e7ais.lng"}));
    EXPECT_EQ(ListItems(list), Wide(form.File1.Items())) << "in the model's order";
    ClickItem(list, 1);
    EXPECT_EQ(form.File1.SelectedText(), form.File1.Items()[1]);
    EXPECT_EQ(form.fileClicks, 1);
    form.File1.SetPattern("*.txt");
    EXPECT_EQ(ListItems(list), (std::vector<std::wstring>{L"notes.txt"}));
    EXPECT_EQ(form.fileClicks, 1);
}

}  // namespace
}  // namespace brivex::ui::testing
