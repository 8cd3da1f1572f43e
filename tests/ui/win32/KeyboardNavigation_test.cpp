// Tab goes through a form's controls in the order they were made, into panels
// too, skipping what the user cannot act on; the focus comes back to the
// control that had it when the window is active again.

#include "ui/ButtonPlus.h"
#include "ui/CheckBox.h"
#include "ui/FramePlus.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/OptionButton.h"
#include "ui/Picture.h"
#include "ui/TextBox.h"
#include "ui/win32/FormTesting.h"

namespace brivex::ui::testing {
namespace {

struct TabForm : Form {
    TabForm() : Form("FrmTab", "Tabulation") {
        SetDesign(9000, 6000, "");
        Option1.PlaceIn(Frame1);
        Option2.PlaceIn(Frame1);
        int top = 150;
        for (Control* control : Controls()) {
            control->SetPosition({150, top, 3000, 300});
            top += 400;
        }
        Frame1.SetPosition({4000, 150, 3000, 1500});
        Option1.SetPosition({150, 300, 2000, 300});
        Option2.SetPosition({150, 700, 2000, 300});
        Option2.SetValue(true);
    }
    Label Label1{*this, "Label1", "Nom"};
    TextBox Text1{*this, "Text1", "Mon point"};
    CheckBox Check1{*this, "Check1", "Avant chaque optimisation"};
    Picture Image1{*this, "Image1"};
    FramePlus Frame1{*this, "Frame1", "Langue"};
    OptionButton Option1{*this, "Option1", "Fran\u00e7ais"};
    OptionButton Option2{*this, "Option2", "English"};
    ListBox List1{*this, "List1"};
    ButtonPlus Command1{*this, "Command1", "&Cr\u00e9er"};
    ButtonPlus Command2{*this, "Command2", "&Fermer"};
};

class KeyboardTest : public FormTest {
protected:
    KeyboardTest() { host.Show(form); }
    TabForm form;
    Form other{"FrmOther", "Autre"};
};

TEST_F(KeyboardTest, TheFirstControlHasTheFocusWhenTheWindowShows) {
    Pump();
    EXPECT_EQ(GetFocus(), WindowOf(form.Text1));
}

TEST_F(KeyboardTest, TabGoesThroughTheControlsInTheOrderTheyWereMadeAndWrapsRound) {
    // Of a group of option buttons Tab reaches the chosen one only.
    const Control* order[] = {&form.Text1,    &form.Check1,   &form.Option2, &form.List1,
                              &form.Command1, &form.Command2, &form.Text1};
    SetFocus(WindowOf(form.Text1));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        Press(VK_TAB);
        EXPECT_EQ(GetFocus(), WindowOf(*order[i])) << "after " << order[i - 1]->Name();
    }
}

TEST_F(KeyboardTest, TabSkipsDisabledAndHiddenControls) {
    form.Check1.SetEnabled(false);
    form.Frame1.SetVisible(false);
    SetFocus(WindowOf(form.Text1));
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), WindowOf(form.List1));
}

TEST_F(KeyboardTest, EscapeAsksTheFormToCancel) {
    int cancels = 0;
    form.OnCancel = [&] { ++cancels; };
    SetFocus(WindowOf(form.List1));
    Press(VK_ESCAPE);
    EXPECT_EQ(cancels, 1);
}

TEST_F(KeyboardTest, TheFocusComesBackToItsControlWhenTheWindowIsActiveAgain) {
    SetFocus(WindowOf(form.List1));
    host.Show(other);
    Pump();
    ASSERT_EQ(GetActiveWindow(), WindowOf(other));
    host.Unload(other);
    SetActiveWindow(WindowOf(form));
    Pump();
    EXPECT_EQ(GetFocus(), WindowOf(form.List1));
}

// The Ctrl key down (or up) as the thread's keyboard state tells it.
void HoldControl(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

TEST_F(KeyboardTest, CtrlCAsksTheWindowToCopyOncePerPressNotOncePerRepeat) {
    int copies = 0;
    form.OnCopy = [&] { ++copies; };
    SetFocus(WindowOf(form.Command1));
    HoldControl(true);
    constexpr LPARAM kRepeat = 1 << 30;
    for (const LPARAM state : {LPARAM{1}, 1 | kRepeat, 1 | kRepeat, 1 | kRepeat})
        PostMessageW(GetFocus(), WM_KEYDOWN, 'C', state);
    PostMessageW(GetFocus(), WM_KEYUP, 'C', 0xC0000001);
    Pump();
    EXPECT_EQ(copies, 1) << "held down: one copy";
    Press('C');
    HoldControl(false);
    EXPECT_EQ(copies, 2) << "pressed again";
}

}  // namespace
}  // namespace brivex::ui::testing
