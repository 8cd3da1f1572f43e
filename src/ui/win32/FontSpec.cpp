#include "ui/win32/FontSpec.h"

#include "platform/win32/Win32AnsiCodec.h"

namespace brivex::ui {

int FontHeight(double points, int dotsPerInch) {
    return -MulDiv(static_cast<int>(points * 100 + 0.5), dotsPerInch, 7200);
}

HFONT MakeFont(const FontSpec& spec) {
    LOGFONTW description = {};
    description.lfHeight = spec.height;
    description.lfWeight = spec.weight;
    description.lfItalic = spec.italic;
    description.lfUnderline = spec.underline;
    description.lfStrikeOut = spec.strikethrough;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = CLEARTYPE_QUALITY;
    // Where the face is missing, a fixed-pitch face must replace a fixed-pitch
    // one, or text laid out in columns falls apart.
    const bool fixedPitch = spec.face.find("Courier") != std::string::npos;
    description.lfPitchAndFamily = fixedPitch ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH;
    const std::wstring face = Widen(spec.face).substr(0, LF_FACESIZE - 1);
    face.copy(description.lfFaceName, face.size());
    return CreateFontIndirectW(&description);
}

}  // namespace brivex::ui
