#pragma once
// The few drawing strokes the program's own pictures are made of, and its
// mark, shared by every window's art (the palette: graphics/Palette.h).

#include <windows.h>

#include "graphics/Ground.h"
#include "graphics/Palette.h"
#include "graphics/Shapes.h"
#include "graphics/win32/Gdi.h"

namespace brivex::art {

inline constexpr COLORREF kNone = 0xFFFFFFFF;  // not a colour: the shape goes without that fill or outline

inline RECT ToRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline Rect ToArea(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

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

void Disc(HDC dc, const Circle& circle, COLORREF fill, COLORREF outline, int width = 1);
void Box(HDC dc, const RoundBox& box, COLORREF fill, COLORREF outline, int width = 1);
void Line(HDC dc, const Segment& segment, COLORREF color, int width);
void Text(HDC dc, const wchar_t* text, RECT area, int height, int weight, COLORREF color, UINT format);

// A window's ground as laid out (graphics/Ground.h): the band from navy to
// blue with the mark and the title in white, the light sheet, the gold rule.
void DrawGround(HDC dc, const Ground& ground, const wchar_t* title);

// The program's mark: a gauge in a ring.
void Emblem(HDC dc, int cx, int cy, int r);

}  // namespace brivex::art
