// A window asked to stay on top stays on top under Wine, where a window that
// owns a tooltip control cannot become topmost; the tooltip control is made
// only for a form whose controls have tips, once the form shows.

#include <windows.h>
#include <commctrl.h>

#include "ui/ButtonPlus.h"
#include "ui/Label.h"
#include "ui/win32/FormTesting.h"

namespace brivex::ui::testing {
namespace {

struct TipsForm : Form {
    TipsForm() : Form("FrmReboot", "Brivex Doziv Optimizing...") {
        SetDesign(4500, 3000, "");
        Label1.SetPosition({150, 150, 3000, 300});
        Command1.SetPosition({150, 600, 1800, 450});
    }
    Label Label1{*this, "Label1", "Patientez.."};
    ButtonPlus Command1{*this, "Command1", "&Quitter"};
};

// The tooltip controls the form's window owns.
std::vector<HWND> ToolTipsOf(HWND owner) {
    std::vector<HWND> found;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        if (GetWindow(window, GW_OWNER) == owner && std::wstring(className) == TOOLTIPS_CLASSW) found.push_back(window);
    }
    return found;
}

bool IsTopmost(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

class TopmostTest : public FormTest {
protected:
    TipsForm form;
};

TEST_F(TopmostTest, AFormWithoutTipsGetsNoTooltipControl) {
    host.Show(form);
    EXPECT_TRUE(ToolTipsOf(WindowOf(form)).empty());
    form.Command1.SetToolTipText("");
    EXPECT_TRUE(ToolTipsOf(WindowOf(form)).empty()) << "an empty tip is no tip";
}

TEST_F(TopmostTest, TipsGivenDuringTheLoadAppearOnceTheFormShows) {
    form.OnLoad = [this] {
        form.MakeTopmost();
        form.Command1.SetToolTipText("Quitter le programme");
        EXPECT_TRUE(ToolTipsOf(WindowOf(form)).empty()) << "not while loading";
    };
    host.Show(form);
    const std::vector<HWND> tips = ToolTipsOf(WindowOf(form));
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(SendMessageW(tips[0], TTM_GETTOOLCOUNT, 0, 0), 1) << "one tool, for the control with a tip";
    EXPECT_TRUE(IsTopmost(WindowOf(form)));
}

TEST_F(TopmostTest, AWindowThatAlreadyHasTipsBecomesTopmostAndKeepsThem) {
    form.Command1.SetToolTipText("Quitter le programme");
    form.Label1.SetToolTipText("Rapport");
    host.Show(form);
    ASSERT_EQ(ToolTipsOf(WindowOf(form)).size(), 1u);
    form.MakeTopmost();
    Pump();
    EXPECT_TRUE(IsTopmost(WindowOf(form)));
    const std::vector<HWND> tips = ToolTipsOf(WindowOf(form));
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(SendMessageW(tips[0], TTM_GETTOOLCOUNT, 0, 0), 2);
    form.Label1.SetToolTipText("");
    EXPECT_EQ(SendMessageW(tips[0], TTM_GETTOOLCOUNT, 0, 0), 1);
}

}  // namespace
}  // namespace brivex::ui::testing
