// A form's progress bar on screen under Wine: made through its registered
// peer, it shows the value the window writes and hides with the model.

#include "progressbar/win32/ProgressBarPeer.h"

#include <commctrl.h>

#include "ui/win32/FormTesting.h"

namespace brivex::ui::testing {
namespace {

struct BarForm : Form {
    BarForm() : Form("FrmHome", "Barre") {
        SetDesign(6000, 3000, "");
        Bar1.SetPosition({300, 300, 5295, 375});
        Bar1.SetValue(25);
    }
    ProgressBar Bar1{*this, "Bar1", "Bar1"};
};

class ProgressBarPeerTest : public FormTest {
protected:
    ProgressBarPeerTest() {
        ProgressBarPeer::Register();
        host.Show(form);
    }
    BarForm form;
};

TEST_F(ProgressBarPeerTest, ShowsTheValueTheWindowWritesAndHidesWithTheModel) {
    HWND bar = WindowOf(form.Bar1);
    ASSERT_NE(bar, nullptr);
    wchar_t className[64] = {};
    GetClassNameW(bar, className, 64);
    EXPECT_STREQ(className, L"XP_ProgressBar");
    EXPECT_EQ(GetParent(bar), WindowOf(form));
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 25) << "the value held before the window was made";
    form.Bar1.SetValue(70);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 70);
    form.Bar1.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(bar));
    RECT client;
    GetClientRect(bar, &client);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(client.right, MulDiv(5295, GetDeviceCaps(screen, LOGPIXELSX), 1440));
    ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace brivex::ui::testing
