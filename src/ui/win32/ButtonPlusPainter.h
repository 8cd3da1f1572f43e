#pragma once

#include <windows.h>

#include <string>

namespace brivex::ui {

struct ButtonPlusState {
    bool pressed = false;
    bool disabled = false;
    bool focused = false;
    bool hover = false;
};

// What a button shows on its plate: its caption, or a picture of the
// program's own in its place, drawn in the caption's colour.
struct ButtonPlusFace {
    std::wstring caption;
    std::string picture;
};

// Corners and margins are designed in pixels at 96 dots per inch and drawn at
// the `dpi` of the window the control is in.

// The face of the program's push buttons: a rounded, softly shaded plate.
void PaintButtonPlus(HDC dc, const RECT& area, const ButtonPlusFace& face, HFONT font, ButtonPlusState state, int dpi);

// A captioned panel: a translucent-looking rounded plate with its title on top.
void PaintFramePanel(HDC dc, const RECT& area, const std::wstring& caption, HFONT font, int dpi);

}  // namespace brivex::ui
