// Panels and pictures on a real form under Wine: a panel is a window its
// controls live in, made before them whatever the order they are declared in;
// a picture paints the drawing its model names, and one hidden gets its window
// when it first shows.

#include "graphics/win32/Art.h"
#include "ui/CheckBox.h"
#include "ui/FramePlus.h"
#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/win32/FormTesting.h"

namespace brivex::ui::testing {
namespace {

// The panels are declared after what they hold, and one panel sits in the other.
struct PanelsForm : Form {
    PanelsForm() : Form("FrmPanels", "Panneaux") {
        SetDesign(7500, 4500, "");
        Check1.PlaceIn(Inner);
        Label1.PlaceIn(Outer);
        Inner.PlaceIn(Outer);
        Outer.SetPosition({150, 150, 5000, 3500});
        Inner.SetPosition({150, 900, 4000, 2000});
        Check1.SetPosition({150, 300, 2000, 300});
        Label1.SetPosition({150, 300, 2000, 300});
        Image1.SetPosition({5400, 150, 1440, 1440});
        Stage.SetPosition({5400, 1800, 1440, 1440});
        Stage.SetVisible(false);
    }
    CheckBox Check1{*this, "Check1", "Effacer le presse-papier"};
    Label Label1{*this, "Label1", "M\u00e9moire"};
    FramePlus Inner{*this, "Inner", "Nettoyage"};
    FramePlus Outer{*this, "Outer", "R\u00e9glages"};
    Picture Stage{*this, "Image2"};
    Picture Image1{*this, "Image1"};
};

class PanelsTest : public FormTest {
protected:
    PanelsTest() { host.Show(form); }
    PanelsForm form;
};

TEST_F(PanelsTest, ControlsAreChildrenOfThePanelTheyArePlacedIn) {
    EXPECT_EQ(GetParent(WindowOf(form.Outer)), WindowOf(form));
    EXPECT_EQ(GetParent(WindowOf(form.Inner)), WindowOf(form.Outer));
    EXPECT_EQ(GetParent(WindowOf(form.Label1)), WindowOf(form.Outer));
    EXPECT_EQ(GetParent(WindowOf(form.Check1)), WindowOf(form.Inner));
    EXPECT_EQ(TextOf(WindowOf(form.Inner)), L"Nettoyage");
    form.Inner.SetCaption("Vider");
    EXPECT_EQ(TextOf(WindowOf(form.Inner)), L"Vider");
}

TEST_F(PanelsTest, HidingAPanelHidesWhatIsInItAndTheClicksOfItsControlsStillArrive) {
    int clicks = 0;
    form.Check1.OnClick = [&] { ++clicks; };
    Click(WindowOf(form.Check1));
    EXPECT_EQ(clicks, 1) << "a panel passes its controls' notifications on";
    EXPECT_TRUE(IsWindowVisible(WindowOf(form.Check1)));
    form.Outer.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(WindowOf(form.Check1)));
    EXPECT_FALSE(IsWindowVisible(WindowOf(form.Label1)));
    EXPECT_TRUE(IsWindowVisible(WindowOf(form.Image1)));
    form.Outer.SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(WindowOf(form.Check1)));
}

TEST_F(PanelsTest, APressOnAPanelIsAPressOnTheWindowButAPressOnItsControlsIsNot) {
    int presses = 0;
    form.OnMouseDown = [&] { ++presses; };
    for (const UINT button : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN})
        SendMessageW(WindowOf(form.Inner), button, 0, Point(4, 4));
    EXPECT_EQ(presses, 3) << "a panel inside a panel too";
    Click(WindowOf(form.Check1));
    Click(WindowOf(form.Label1));
    EXPECT_EQ(presses, 3);
}

TEST_F(PanelsTest, AHiddenPictureGetsItsWindowWhenItFirstShowsAmongItsSiblingsInTheirOrder) {
    EXPECT_EQ(WindowOf(form.Stage), nullptr);
    form.Stage.SetVisible(true);
    HWND stage = WindowOf(form.Stage);
    ASSERT_NE(stage, nullptr);
    EXPECT_TRUE(IsWindowVisible(stage));
    EXPECT_EQ(GetWindow(WindowOf(form.Outer), GW_HWNDNEXT), stage) << "after the panel made before it";
    EXPECT_EQ(GetWindow(stage, GW_HWNDNEXT), WindowOf(form.Image1)) << "before the picture made after it";
    form.Stage.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(stage));
}

TEST_F(PanelsTest, APicturePaintsTheDrawingItsModelNames) {
    std::vector<RECT> painted;
    std::vector<int> dpis;
    art::RegisterArt("test.square", [&](HDC dc, const RECT& area, int dpi) {
        painted.push_back(area);
        dpis.push_back(dpi);
        FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    });
    HWND picture = WindowOf(form.Image1);
    RedrawWindow(picture, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(painted.empty()) << "no picture named yet";
    form.Image1.SetPicture("test.square");
    UpdateWindow(picture);
    ASSERT_EQ(painted.size(), 1u);
    RECT client;
    GetClientRect(picture, &client);
    EXPECT_EQ(painted[0].right, client.right);
    EXPECT_EQ(painted[0].bottom, client.bottom);
    EXPECT_EQ(client.right, dpis[0]) << "1440 twips are an inch, at the resolution the picture is drawn at";
}

}  // namespace
}  // namespace brivex::ui::testing
