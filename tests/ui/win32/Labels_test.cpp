// A label with a click handler acts as a link: it fires when the button goes
// down and comes up on it, and only then.

#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/win32/FormTesting.h"

namespace brivex::ui::testing {
namespace {

struct LinkForm : Form {
    LinkForm() : Form("FrmLink", "Lien") {
        SetDesign(6000, 3000, "");
        Label6.SetPosition({1500, 1500, 900, 300});
        Label2.SetPosition({150, 150, 3000, 600});
        Label6.OnClick = [this] { ++clicks; };
    }
    int clicks = 0;
    Label Label2{*this, "Label2", "Velmora Doziv r\u00e8gle votre syst\u00e8me"};
    Label Label6{*this, "Label6", "+Info"};
};

class LabelsTest : public FormTest {
protected:
    LabelsTest() { host.Show(form); }
    LinkForm form;
};

TEST_F(LabelsTest, IsANamedWindowThatFollowsItsCaption) {
    HWND link = WindowOf(form.Label6);
    EXPECT_EQ(TextOf(link), L"+Info");
    form.Label6.SetCaption("+Plus");
    EXPECT_EQ(TextOf(link), L"+Plus");
    EXPECT_EQ(form.clicks, 0);
}

TEST_F(LabelsTest, FiresOnlyWhenPressAndReleaseAreBothOnIt) {
    HWND link = WindowOf(form.Label6);
    HWND other = WindowOf(form.Label2);
    struct Case {
        const char* gesture;
        HWND pressOn;
        POINT releaseAt;  // in the link's client area
        int clicks;
    };
    const Case cases[] = {
        {"pressed and released on it", link, {5, 5}, 1},
        {"pressed elsewhere, released on it", other, {5, 5}, 0},
        {"pressed on it, released beside it", link, {-30, 5}, 0},
        {"pressed on it, released below it", link, {5, 400}, 0},
        {"released on it with no press", nullptr, {5, 5}, 0},
    };
    for (const Case& c : cases) {
        form.clicks = 0;
        if (c.pressOn) SendMessageW(c.pressOn, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
        // With the capture the release comes to the link wherever the pointer is.
        HWND receiver = GetCapture() ? GetCapture() : link;
        POINT at = c.releaseAt;
        MapWindowPoints(link, receiver, &at, 1);
        SendMessageW(receiver, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        EXPECT_EQ(form.clicks, c.clicks) << c.gesture;
        EXPECT_EQ(GetCapture(), nullptr) << c.gesture << ": the mouse is free again";
    }
}

TEST_F(LabelsTest, ALostCaptureCancelsThePress) {
    HWND link = WindowOf(form.Label6);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    ReleaseCapture();  // as when another window takes the mouse
    SendMessageW(link, WM_LBUTTONUP, 0, Point(5, 5));
    EXPECT_EQ(form.clicks, 0);
}

TEST_F(LabelsTest, ADisabledLinkDoesNothing) {
    form.Label6.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(WindowOf(form.Label6)));
    form.Label6.Click();
    EXPECT_EQ(form.clicks, 0);
}

}  // namespace
}  // namespace brivex::ui::testing
