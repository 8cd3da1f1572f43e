#include "progressbar/ClassicStyles.h"

#include "progressbar/ColorMath.h"
#include "progressbar/Primitives.h"
#include "progressbar/XpStyle.h"

namespace brivex {

namespace {

// The filled width of the bar. The shaded, hatched and picture styles scale by
// 101 rather than 100, so they never quite reach their right edge.
int FilledExtent(const BarLook& look, double scale, int span, int left) {
    return Nearest(look.percentage / scale * span + left);
}

ColorRef Light(const BarLook& look, int amount) { return LightenColor(look.color, amount); }
ColorRef Dark(const BarLook& look, int amount) { return BlendColors(look.color, kBlack, amount); }

}  // namespace

void DrawFlatStyle(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    const Rect& c = s.client;
    FrameWithColor(c, Light(look, 100), canvas);
    s.progress = {1, 1, FilledExtent(look, 100, c.right - c.left, c.left), c.bottom - 1};
    FillWithColor(s.progress, Light(look, 180), canvas);
}

void DrawEtchedStyle(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    const Rect& c = s.client;
    canvas.DrawEdge(c, EdgeEtched);
    DrawGradient(Light(look, 140), Light(look, 200), 2, 2, FilledExtent(look, 100, c.right - c.left - 4, c.left),
                 c.bottom - 3, canvas, true);
}

void DrawShadedStyle(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    const Rect& c = s.client;
    FrameWithColor(c, Light(look, 10), canvas);
    const int w = FilledExtent(look, 101, c.right - c.left, c.left);
    s.progress.right = w;
    DrawGradient(look.color, Light(look, 100), 2, 2, c.right - 2, c.bottom - 5, canvas, false);
    DrawGradient(Light(look, 250), look.color, 3, 3, w, c.bottom - 6, canvas, false);
    DrawLine(w, 2, w, c.bottom - 2, canvas, Light(look, 25));
}

void DrawDarkStyle(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    const Rect& c = s.client;
    FrameWithColor(c, Dark(look, 200), canvas);
    DrawGradient(kBlack, LightenColor(Dark(look, 100), 10), 2, 2, FilledExtent(look, 100, c.right - c.left - 5, c.left),
                 c.bottom - 2, canvas, true);
}

void DrawHatchedStyle(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    const Rect& c = s.client;
    canvas.DrawEdge(c, EdgeBump);
    s.progress = {2, 2, FilledExtent(look, 101, c.right - c.left, c.left), c.bottom - 2};
    // The style is taken as a 16-bit integer; one outside that range makes no brush.
    const int hatch = ToInt16(look.brushStyle).value_or(-1);
    canvas.FillHatch(s.progress, hatch, look.color, Light(look, 140));
}

void DrawPictureStyle(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    const Rect& c = s.client;
    canvas.DrawEdge(c, EdgeSunkenOuter);
    if (!look.image) return;
    const int w = FilledExtent(look, 101, c.right - c.left, c.left);
    s.progress.right = w;
    canvas.FillPattern(2, 2, w, c.bottom - 4, *look.image);
}

void DrawGlossyStyle(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    const Rect& c = s.client;
    const int w = FilledExtent(look, 100, c.right - c.left - 4, c.left);
    s.progress.right = w;
    const int h = Nearest((c.bottom - 3) / 2.0);
    DrawGradient(kWhite, kSilver, 2, 2, c.right - 3, h, canvas, false);
    DrawGradient(kSilver, kSilver, 2, h, c.right - 3, h, canvas, false);
    DrawGradient(Light(look, 150), Dark(look, 180), 2, 2, w, h, canvas, false);
    DrawGradient(Dark(look, 190), look.color, 2, h, w, h, canvas, false);
    DrawXpFrame(canvas, s);
}

}  // namespace brivex
