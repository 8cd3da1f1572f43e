#include "progressbar/Caption.h"

#include <string>

#include "progressbar/ColorMath.h"
#include "progressbar/ProgressStyle.h"

namespace brivex {

namespace {

std::string CaptionText(const BarLook& look) {
    if (look.scrolling == StyleSearching) return "Searching..";
    std::string text = std::to_string(look.percentage);
    text.append(" %");
    return text;
}

bool IsTwoTone(const BarLook& look) { return look.scrolling == StyleDark || look.scrolling == StyleGlossy; }

int CentredLeft(const DrawScratch& s, const Size& size) { return Nearest(s.client.right / 2.0 - size.width / 2.0); }

void CentreCaption(const Size& size, DrawScratch& s) {
    s.text.left = CentredLeft(s, size);
    s.text.top = Nearest(s.client.bottom / 2.0 - size.height / 2.0);
    s.text.right = s.text.left + size.width;
    s.text.bottom = s.text.top + size.height;
}

// Redraws the text clipped at the end of the filled part, in the second tone.
void DrawCaptionOverlay(Canvas& canvas, const BarLook& look, const std::string& text, const Size& size, double x,
                        DrawScratch& s) {
    if (x < s.text.left) return;
    const ColorRef colour = look.scrolling == StyleDark ? LightenColor(look.color, 80) : kWhite;
    s.text.left = CentredLeft(s, size);
    s.text.right = Nearest(x);
    canvas.DrawText(s.text, text, look.font, colour);
}

}  // namespace

void DrawCaption(Canvas& canvas, const BarLook& look, DrawScratch& s) {
    const std::string text = CaptionText(look);
    const bool twoTone = IsTwoTone(look);
    if (!look.showText) return;
    const ColorRef colour = look.scrolling == StyleDark ? kSilver : kBlack;
    const Size size = canvas.MeasureText(text, look.font);
    CentreCaption(size, s);
    // Where the filled part ends, measured on the whole client width.
    const double x = look.percentage / 100.0 * s.client.right;
    if (!(twoTone && x > s.text.right)) canvas.DrawText(s.text, text, look.font, colour);
    if (twoTone) DrawCaptionOverlay(canvas, look, text, size, x, s);
}

}  // namespace brivex
