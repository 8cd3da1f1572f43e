// The push button, the check box and the option buttons on a real form under
// Wine: what the user does reaches the model and fires the handler once; what
// the program sets fires nothing.

#include <vector>

#include "graphics/win32/Art.h"
#include "ui/ButtonPlus.h"
#include "ui/CheckBox.h"
#include "ui/FramePlus.h"
#include "ui/OptionButton.h"
#include "ui/win32/FormTesting.h"

namespace brivex::ui::testing {
namespace {

struct ButtonsForm : Form {
    ButtonsForm() : Form("FrmButtons", "Boutons") {
        SetDesign(6000, 4500, "");
        Command1.SetPosition({150, 150, 1800, 450});
        Check1.SetPosition({150, 750, 2400, 300});
        Frame1.SetPosition({2700, 150, 3000, 1800});
        Option1.PlaceIn(Frame1);
        Option2.PlaceIn(Frame1);
        Option3.PlaceIn(Frame1);
        Option1.SetPosition({150, 300, 2400, 300});
        Option2.SetPosition({150, 700, 2400, 300});
        Option3.SetPosition({150, 1100, 2400, 300});
        Option4.SetPosition({150, 1500, 2400, 300});
        Close1.SetPosition({5700, 150, 390, 360});
        Close1.SetToolTipText("Quitter");
        Close1.SetPicture("test.cross");
        Option1.SetValue(true);
        for (Control* counted : Controls()) clicks[counted] = 0;
        const auto count = [this](Control& control) { return [this, &control] { ++clicks[&control]; }; };
        Command1.OnClick = count(Command1);
        Check1.OnClick = count(Check1);
        Option1.OnClick = count(Option1);
        Option2.OnClick = count(Option2);
        Option3.OnClick = count(Option3);
        Option4.OnClick = count(Option4);
    }
    int Clicks(const Control& control) { return clicks[&control]; }
    int AllClicks() {
        int total = 0;
        for (const auto& [control, n] : clicks) total += n;
        return total;
    }

    std::map<const Control*, int> clicks;
    ButtonPlus Command1{*this, "Command1", "&Appliquer"};
    CheckBox Check1{*this, "Check1", "D\u00e9marrer avec Windows"};
    FramePlus Frame1{*this, "Frame1", "Langue"};
    OptionButton Option1{*this, "Option1", "Fran\u00e7ais"};
    OptionButton Option2{*this, "Option2", "English"};
    OptionButton Option3{*this, "Option3", "Deutsch"};
    OptionButton Option4{*this, "Option4", "Ailleurs"};
    ButtonPlus Close1{*this, "Close1", ""};
};

class ButtonsTest : public FormTest {
protected:
    ButtonsTest() { host.Show(form); }
    int Check(const Control& control) { return static_cast<int>(SendMessageW(WindowOf(control), BM_GETCHECK, 0, 0)); }
    ButtonsForm form;
};

TEST_F(ButtonsTest, EachIsANamedChildWindowOfItsContainer) {
    const struct {
        const Control& control;
        const wchar_t* text;
        const Control* container;
    } cases[] = {
        {form.Command1, L"&Appliquer", nullptr}, {form.Check1, L"D\u00e9marrer avec Windows", nullptr},
        {form.Frame1, L"Langue", nullptr},       {form.Option1, L"Fran\u00e7ais", &form.Frame1},
        {form.Option4, L"Ailleurs", nullptr},
    };
    for (const auto& c : cases) {
        HWND window = WindowOf(c.control);
        ASSERT_NE(window, nullptr) << c.control.Name();
        EXPECT_EQ(TextOf(window), c.text);
        EXPECT_EQ(GetParent(window), c.container ? WindowOf(*c.container) : WindowOf(form)) << c.control.Name();
    }
    form.Check1.SetCaption("Lancer au d\u00e9marrage");
    EXPECT_EQ(TextOf(WindowOf(form.Check1)), L"Lancer au d\u00e9marrage");
}

TEST_F(ButtonsTest, ButtonPlusWithoutACaptionIsNamedByItsTipAndShowsItsPictureInstead) {
    HWND button = WindowOf(form.Close1);
    EXPECT_EQ(TextOf(button), L"Quitter");
    form.Close1.SetToolTipText("Quit");
    EXPECT_EQ(TextOf(button), L"Quit") << "translated with its tip";
    form.Close1.SetCaption("Fermer");
    EXPECT_EQ(TextOf(button), L"Fermer") << "a caption is the name";
    form.Close1.SetCaption("");
    EXPECT_EQ(TextOf(button), L"Quit");

    std::vector<RECT> painted;
    art::RegisterArt("test.cross", [&](HDC, const RECT& area, int) { painted.push_back(area); });
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(painted.size(), 1u);
}

TEST_F(ButtonsTest, ButtonPlusIsPressedByTheMouseTheSpaceBarAndEnter) {
    HWND button = WindowOf(form.Command1);
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(form.Clicks(form.Command1), 1);
    SetFocus(button);
    Press(VK_SPACE);
    EXPECT_EQ(form.Clicks(form.Command1), 2);
    Press(VK_RETURN);
    EXPECT_EQ(form.Clicks(form.Command1), 3);
    EXPECT_EQ(form.AllClicks(), 3);
}

TEST_F(ButtonsTest, CheckBoxTogglesOnClickAndSpaceAndFromCodeSilently) {
    HWND box = WindowOf(form.Check1);
    Click(box);
    EXPECT_EQ(form.Check1.Value(), 1);
    EXPECT_EQ(Check(form.Check1), BST_CHECKED);
    EXPECT_EQ(form.Clicks(form.Check1), 1);
    SetFocus(box);
    Press(VK_SPACE);
    EXPECT_EQ(form.Check1.Value(), 0);
    EXPECT_EQ(Check(form.Check1), BST_UNCHECKED);
    EXPECT_EQ(form.Clicks(form.Check1), 2);
    form.Check1.SetValue(1);
    Pump();
    EXPECT_EQ(Check(form.Check1), BST_CHECKED);
    EXPECT_EQ(form.Clicks(form.Check1), 2) << "set from code: no click";
}

TEST_F(ButtonsTest, OptionButtonsOfAContainerAreOneGroupWithOneChosen) {
    EXPECT_EQ(Check(form.Option1), BST_CHECKED);
    Click(WindowOf(form.Option3));
    EXPECT_TRUE(form.Option3.Value());
    EXPECT_FALSE(form.Option1.Value());
    EXPECT_EQ(Check(form.Option1), BST_UNCHECKED);
    EXPECT_EQ(Check(form.Option3), BST_CHECKED);
    EXPECT_TRUE(form.Option4.Value() == false && Check(form.Option4) == BST_UNCHECKED);
    EXPECT_EQ(form.Clicks(form.Option3), 1);
    EXPECT_EQ(form.AllClicks(), 1);

    const LONG_PTR firstStyle = GetWindowLongPtrW(WindowOf(form.Option1), GWL_STYLE);
    const LONG_PTR secondStyle = GetWindowLongPtrW(WindowOf(form.Option2), GWL_STYLE);
    EXPECT_TRUE(firstStyle & WS_GROUP) << "the first of its container starts the group";
    EXPECT_FALSE(secondStyle & WS_GROUP);
    EXPECT_TRUE(GetWindowLongPtrW(WindowOf(form.Option4), GWL_STYLE) & WS_GROUP) << "another container";
}

TEST_F(ButtonsTest, ArrowKeysMoveTheChoiceWithinTheGroupOnly) {
    SetFocus(WindowOf(form.Option1));
    Press(VK_DOWN);
    EXPECT_EQ(GetFocus(), WindowOf(form.Option2));
    EXPECT_TRUE(form.Option2.Value());
    EXPECT_FALSE(form.Option1.Value());
    EXPECT_EQ(form.Clicks(form.Option2), 1);
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(GetFocus(), WindowOf(form.Option1)) << "the group wraps round, the frame's end is its end";
    EXPECT_TRUE(form.Option1.Value());
    Press(VK_UP);
    EXPECT_TRUE(form.Option3.Value());
    EXPECT_EQ(form.Clicks(form.Option4), 0);
    EXPECT_EQ(Check(form.Option3), BST_CHECKED);
    EXPECT_EQ(Check(form.Option1), BST_UNCHECKED);
}

TEST_F(ButtonsTest, ChoosingFromCodeMovesTheMarkAndFiresNothing) {
    form.Option2.SetValue(true);
    Pump();
    EXPECT_EQ(Check(form.Option2), BST_CHECKED);
    EXPECT_EQ(Check(form.Option1), BST_UNCHECKED);
    EXPECT_EQ(form.AllClicks(), 0);
}

TEST_F(ButtonsTest, ADisabledWindowIgnoresClicks) {
    form.SetEnabled(false);
    SendMessageW(WindowOf(form.Command1), BM_CLICK, 0, 0);
    SendMessageW(WindowOf(form), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(WindowOf(form.Check1)));
    EXPECT_EQ(form.AllClicks(), 0);
    EXPECT_EQ(form.Check1.Value(), 0);
}

}  // namespace
}  // namespace brivex::ui::testing
