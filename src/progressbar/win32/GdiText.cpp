#include "progressbar/win32/GdiText.h"

#include <string>

namespace brivex {

namespace {

std::wstring Widen(std::string_view text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

class SelectedFont {
public:
    SelectedFont(HDC dc, const TextFont& font) : dc_(dc) {
        LOGFONTW description = {};
        // Points to pixels at the surface's resolution, rounded.
        description.lfHeight = -MulDiv(static_cast<int>(font.points * 100 + 0.5), GetDeviceCaps(dc, LOGPIXELSY), 7200);
        description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        description.lfItalic = font.italic;
        description.lfUnderline = font.underline;
        description.lfStrikeOut = font.strikethrough;
        description.lfCharSet = DEFAULT_CHARSET;
        const std::wstring face = Widen(font.face).substr(0, LF_FACESIZE - 1);
        face.copy(description.lfFaceName, face.size());
        font_ = CreateFontIndirectW(&description);
        if (font_) previous_ = SelectObject(dc_, font_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;
    ~SelectedFont() {
        if (previous_) SelectObject(dc_, previous_);
        if (font_) DeleteObject(font_);
    }

private:
    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace

Size MeasureTextGdi(HDC dc, std::string_view text, const TextFont& font) {
    SelectedFont selected(dc, font);
    const std::wstring wide = Widen(text);
    RECT bounds = {0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds, DT_SINGLELINE | DT_CALCRECT);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void DrawTextGdi(HDC dc, const Rect& rect, std::string_view text, const TextFont& font, ColorRef colour) {
    SelectedFont selected(dc, font);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = SetTextColor(dc, colour);
    const std::wstring wide = Widen(text);
    RECT bounds = {rect.left, rect.top, rect.right, rect.bottom};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds, DT_SINGLELINE);
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);
}

}  // namespace brivex
