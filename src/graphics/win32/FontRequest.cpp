#include "graphics/win32/FontRequest.h"

#include "platform/win32/WideText.h"

namespace brivex {

int FontHeight(double points, int dotsPerInch) {
    return -MulDiv(static_cast<int>(points * 100 + 0.5), dotsPerInch, 7200);
}

HFONT MakeFont(const FontRequest& request) {
    LOGFONTW description = {};
    description.lfHeight = request.height;
    description.lfWeight = request.weight;
    description.lfItalic = request.italic;
    description.lfUnderline = request.underline;
    description.lfStrikeOut = request.strikethrough;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    // Smoothed as the user's system smooths text, by the system's one rule at
    // every size and resolution; a quality forced here would override a user
    // who turned smoothing off.
    description.lfQuality = DEFAULT_QUALITY;
    // Where the face is missing, a fixed-pitch face must replace a fixed-pitch
    // one, or text laid out in columns falls apart.
    const bool fixedPitch = request.face.find("Courier") != std::string::npos;
    description.lfPitchAndFamily = fixedPitch ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH;
    const std::wstring face = Widen(request.face).substr(0, LF_FACESIZE - 1);
    face.copy(description.lfFaceName, face.size());
    return CreateFontIndirectW(&description);
}

}  // namespace brivex
