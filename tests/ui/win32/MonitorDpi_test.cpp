// A form moved to a monitor of another resolution looks as if made there: the
// suggested place, each control's design place, fonts and background at it.

#include <utility>
#include <vector>

#include "base/Units.h"
#include "graphics/win32/Art.h"
#include "graphics/win32/FontRequest.h"
#include "ui/ButtonPlus.h"
#include "ui/CheckBox.h"
#include "ui/FramePlus.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/win32/FormTesting.h"

namespace brivex::ui::testing {
namespace {

constexpr UINT kDpiChanged = 0x02E0;

struct ScaledForm : Form {
    ScaledForm() : Form("FrmScaled", "\u00c9chelle") {
        SetDesign(7200, 4200, "test.ground");
        Label1.SetPosition({300, 300, 2400, 300});
        Command1.SetPosition({300, 900, 1800, 510});
        Command1.SetLook({.fontPoints = 9, .bold = true});
        Text1.SetPosition({300, 1650, 2400, 315});
        Frame1.SetPosition({3000, 300, 3900, 2400});
        Check1.PlaceIn(Frame1);
        Check1.SetPosition({150, 450, 3000, 300});
        Check1.SetLook({.bold = true});
    }
    Label Label1{*this, "Label1", "M\u00e9moire"};
    ButtonPlus Command1{*this, "Command1", "&Appliquer"};
    TextBox Text1{*this, "Text1", "Mon point"};
    FramePlus Frame1{*this, "Frame1", "Les Langues"};
    CheckBox Check1{*this, "Check1", "Changer"};
};

RECT PlaceInParent(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

class MonitorDpiTest : public FormTest {
protected:
    MonitorDpiTest() {
        art::RegisterArt("test.ground", [this](HDC, const RECT&, int dpi) { groundDpis.push_back(dpi); });
        host.Show(form);
    }
    std::vector<int> groundDpis;  // each drawing of the form's background
    ScaledForm form;
};

TEST_F(MonitorDpiTest, EveryControlTakesItsDesignPlaceAndAFontMadeAtTheNewResolution) {
    HWND window = WindowOf(form);
    for (const int dpi : {120, 144, 192, 96}) {
        RECT suggested{40, 30, 40 + TwipsToPixels(7200, dpi), 30 + TwipsToPixels(4200, dpi)};
        SendMessageW(window, kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT shown;
        GetWindowRect(window, &shown);
        EXPECT_TRUE(EqualRect(&shown, &suggested)) << dpi << " dpi: the window takes the suggested rectangle";
        EXPECT_EQ(groundDpis.empty() ? 0 : groundDpis.back(), dpi) << "the background drawn at the new resolution";

        for (const Control* control : form.Controls()) {
            const Bounds& b = control->Position();
            const RECT expected{TwipsToPixels(b.left, dpi), TwipsToPixels(b.top, dpi),
                                TwipsToPixels(b.left, dpi) + TwipsToPixels(b.width, dpi),
                                TwipsToPixels(b.top, dpi) + TwipsToPixels(b.height, dpi)};
            const RECT place = PlaceInParent(WindowOf(*control));
            EXPECT_TRUE(EqualRect(&place, &expected)) << control->Name() << " at " << dpi;
            LOGFONTW font = {};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(WindowOf(*control), WM_GETFONT, 0, 0)), sizeof font, &font);
            EXPECT_EQ(font.lfHeight, FontHeight(control->Look().fontPoints, dpi)) << control->Name() << " at " << dpi;
            EXPECT_EQ(font.lfWeight, control->Look().bold ? FW_BOLD : FW_NORMAL) << control->Name() << " at " << dpi;
        }
    }
}

TEST_F(MonitorDpiTest, TheRoundedCornersGrowWithTheResolution) {
    form.ApplyRoundedShape();
    HWND window = WindowOf(form);
    // 4 pixels in from the corner: inside a 20-pixel corner ellipse, cut away from a 40-pixel one.
    for (const auto& [dpi, cutAway] : {std::pair{96, false}, std::pair{192, true}}) {
        RECT suggested{40, 30, 40 + TwipsToPixels(7200, dpi), 30 + TwipsToPixels(4200, dpi)};
        SendMessageW(window, kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(window, region), ERROR) << dpi;
        EXPECT_EQ(!PtInRegion(region, 4, 4), cutAway) << dpi << " dpi";
        DeleteObject(region);
    }
}

}  // namespace
}  // namespace brivex::ui::testing
