#pragma once
// The few drawing strokes the program's own pictures are made of, and its
// palette and mark, shared by every window's art.

#include <windows.h>

#include "graphics/Ground.h"
#include "graphics/win32/Gdi.h"

namespace brivex::art {

inline constexpr COLORREF kNavy = RGB(0x1C, 0x4F, 0x93);
inline constexpr COLORREF kBlue = RGB(0x2F, 0x78, 0xC8);
inline constexpr COLORREF kPale = RGB(0xB4, 0xCB, 0xEA);
inline constexpr COLORREF kGold = RGB(0xFF, 0xC8, 0x3C);
inline constexpr COLORREF kGreen = RGB(0x3C, 0xB0, 0x5A);
inline constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
inline constexpr COLORREF kNone = 0xFFFFFFFF;  // not a colour: the shape goes without that fill or outline

COLORREF Mix(COLORREF a, COLORREF b, double t);
void FillSolid(HDC dc, const RECT& area, COLORREF color);
// From `top` at the first row to `bottom` at the last.
void Gradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom);

// A pen and a brush selected for one shape.
class Ink {
public:
    Ink(HDC dc, COLORREF fill, COLORREF outline, int width = 1);

private:
    GdiObject<HBRUSH> brush_;
    GdiObject<HPEN> pen_;
    Selected brushIn_;
    Selected penIn_;
};

void Disc(HDC dc, int cx, int cy, int r, COLORREF fill, COLORREF outline, int width = 1);
void Box(HDC dc, const RECT& area, int corner, COLORREF fill, COLORREF outline, int width = 1);
void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width);
void Text(HDC dc, const wchar_t* text, RECT area, int height, int weight, COLORREF color, UINT format);

// A window's ground as laid out (graphics/Ground.h): the band from navy to
// blue with the mark and the title in white, the light sheet, the gold rule.
void DrawGround(HDC dc, const Ground& ground, const wchar_t* title);

// The program's mark: a gauge in a ring.
void Emblem(HDC dc, int cx, int cy, int r);

}  // namespace brivex::art
