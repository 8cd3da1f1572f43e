#include "graphics/win32/MarkArt.h"

#include <vector>

#include "graphics/win32/Art.h"
#include "graphics/win32/Gdi.h"

namespace brivex::art {

namespace {

// The cross's share of its button's height: about what a bold caption's "×" covers.
constexpr int kCloseMarkPercent = 40;

}  // namespace

void DrawMark(HDC dc, const StrokedMark& mark, COLORREF color) {
    const LOGBRUSH ink{BS_SOLID, color, 0};
    GdiObject<HPEN> pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                     static_cast<DWORD>(mark.penWidth), &ink, 0, nullptr));
    Selected in(dc, pen.Get());
    for (const std::vector<MarkPoint>& stroke : mark.strokes) {
        std::vector<POINT> points;
        for (const MarkPoint& p : stroke) points.push_back({p.x, p.y});
        Polyline(dc, points.data(), static_cast<int>(points.size()));
    }
}

void RegisterMarkArt() {
    art::RegisterArt(kCloseMarkPicture, [](HDC dc, const RECT& area, int) {
        const Rect box = CentredSquare({area.left, area.top, area.right, area.bottom}, kCloseMarkPercent);
        DrawMark(dc, CloseMark(box), GetTextColor(dc));
    });
}

}  // namespace brivex::art
