// The one place the program's fonts are made.

#include "graphics/win32/FontRequest.h"

#include <gtest/gtest.h>

#include <string>

#include "graphics/win32/Gdi.h"

namespace brivex {
namespace {

TEST(FontRequest_Height, PointsBecomePixelsRoundedFromHundredthsOfAPoint) {
    struct Case {
        double points;
        int dpi;
        int height;
    };
    const Case cases[] = {
        {8.25, 96, -11}, {8.25, 120, -14}, {8.25, 144, -17}, {9, 96, -12}, {11, 96, -15}, {10, 120, -17}, {12, 96, -16},
    };
    for (const Case& c : cases) EXPECT_EQ(FontHeight(c.points, c.dpi), c.height) << c.points << " pt at " << c.dpi;
}

TEST(FontRequest_Make, TheFontAskedForWithAFixedPitchForCourierFaces) {
    struct Case {
        const char* face;
        int height;
        int weight;
        bool italic, underline, strikethrough;
        const wchar_t* made;
        bool fixedPitch;
    };
    const Case cases[] = {
        {"Tahoma", -11, FW_BOLD, false, false, false, L"Tahoma", false},
        {"Arial", -16, FW_NORMAL, true, true, true, L"Arial", false},
        {"Courier New", -13, FW_NORMAL, false, false, false, L"Courier New", true},
        {"Fran\xC3\xA7"
         "aise Sans",
         -12, FW_NORMAL, false, false, false, L"Fran\u00e7aise Sans", false},
        // Cut to what LOGFONT holds.
        {"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", -12, FW_NORMAL, false, false, false,
         L"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", false},
    };
    for (const Case& c : cases) {
        const GdiObject<HFONT> font(MakeFont({c.face, c.height, c.weight, c.italic, c.underline, c.strikethrough}));
        ASSERT_TRUE(font) << c.face;
        LOGFONTW made = {};
        ASSERT_EQ(GetObjectW(font.Get(), sizeof made, &made), static_cast<int>(sizeof made));
        EXPECT_EQ(std::wstring(made.lfFaceName), c.made) << c.face;
        EXPECT_EQ(made.lfHeight, c.height) << c.face;
        EXPECT_EQ(made.lfWeight, c.weight) << c.face;
        EXPECT_EQ(made.lfItalic != 0, c.italic) << c.face;
        EXPECT_EQ(made.lfUnderline != 0, c.underline) << c.face;
        EXPECT_EQ(made.lfStrikeOut != 0, c.strikethrough) << c.face;
        EXPECT_EQ((made.lfPitchAndFamily & 3) == FIXED_PITCH, c.fixedPitch) << c.face;
    }
}

}  // namespace
}  // namespace brivex
