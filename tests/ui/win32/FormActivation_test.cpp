// A form's Activate runs when the program's active form changes to it: at its
// first showing, and when the user comes back to it from another form of the
// program, however the system orders the messages; not when a message box
// closes over it, nor when it comes back from being minimised alone.

#include "ui/ButtonPlus.h"
#include "ui/win32/FormTesting.h"

namespace brivex::ui::testing {
namespace {

struct MainForm : Form {
    MainForm() : Form("FrmHome", "Velmora Xp") {
        SetDesign(6000, 4500, "");
        Command1.SetPosition({150, 150, 1800, 450});
        OnActivate = [this] { ++activations; };
    }
    int activations = 0;
    ButtonPlus Command1{*this, "Command1", "Configuration"};
};

struct ToolForm : Form {
    ToolForm() : Form("FrmSettings", "Configuration") {
        SetDesign(4500, 3000, "");
        OnActivate = [this] { ++activations; };
    }
    int activations = 0;
};

class FormActivationTest : public FormTest {
protected:
    FormActivationTest() {
        host.Show(main);
        Pump();
    }
    MainForm main;
    ToolForm tool;
};

TEST_F(FormActivationTest, TheFirstShowingActivatesOnce) {
    EXPECT_EQ(main.activations, 1);
    EXPECT_EQ(GetActiveWindow(), WindowOf(main));
}

// As the tool windows close: unload themselves, then set the main window's state to normal.
TEST_F(FormActivationTest, ComingBackFromAToolWindowThatClosedActivatesOnceAfterTheRestore) {
    host.Show(tool);
    main.SetWindowState(WindowState::Minimized);
    Pump();
    ASSERT_TRUE(IsIconic(WindowOf(main)));
    host.Unload(tool);
    Pump();
    EXPECT_EQ(main.activations, 1) << "still minimised";
    main.SetWindowState(WindowState::Normal);
    Pump();
    EXPECT_FALSE(IsIconic(WindowOf(main)));
    EXPECT_EQ(main.activations, 2);
}

TEST_F(FormActivationTest, EachReturnFromAnotherFormActivatesOnce) {
    host.Show(tool);
    Pump();
    for (int round = 1; round <= 2; ++round) {
        SetActiveWindow(WindowOf(main));
        Pump();
        EXPECT_EQ(main.activations, 1 + round);
        SetActiveWindow(WindowOf(tool));
        Pump();
    }
    EXPECT_EQ(main.activations, 3);
}

TEST_F(FormActivationTest, AMessageBoxClosedOverTheWindowDoesNotActivateIt) {
    std::optional<BoxSeen> closed;
    const TimerId closer = loop.StartTimer(50, [&] {
        if (!closed) closed = CloseMessageBox();
    });
    MessageBoxW(WindowOf(main),
                L"La cr\u00e9ation du point de restauration a \u00e9t\u00e9 effectu\u00e9e avec succ\u00e8s.",
                L"Brivex Doziv", MB_OK | MB_ICONINFORMATION);
    loop.StopTimer(closer);
    Pump();
    ASSERT_TRUE(closed);
    EXPECT_EQ(GetActiveWindow(), WindowOf(main));
    EXPECT_EQ(main.activations, 1);
}

// The windows go one by one, and the system activates the next as each goes.
TEST_F(FormActivationTest, TheEndOfTheProgramActivatesNothing) {
    host.Show(tool);
    SetActiveWindow(WindowOf(main));
    Pump();
    const int mainBefore = main.activations;
    const int toolBefore = tool.activations;
    host.EndProgram();
    EXPECT_EQ(main.activations, mainBefore);
    EXPECT_EQ(tool.activations, toolBefore);
}

TEST_F(FormActivationTest, MinimisedAndRestoredAloneIsNoReturn) {
    main.SetWindowState(WindowState::Minimized);
    Pump();
    main.SetWindowState(WindowState::Normal);
    Pump();
    EXPECT_EQ(main.activations, 1);
}

}  // namespace
}  // namespace brivex::ui::testing
