#pragma once

#include <windows.h>

#include <string>

#include "base/Units.h"
#include "ui/Control.h"

namespace brivex::ui {

// What a control's window gets from the form window it lives in.
class PeerSite {
public:
    virtual ~PeerSite() = default;
    // The window the control is made in: the form, or the window of the container it is placed in.
    virtual HWND ParentFor(const Control& control) const = 0;
    // The control's identifier among its siblings.
    virtual int IdFor(const Control& control) const = 0;
    // The dots per inch of the form's window: every control, font and picture in it is drawn at it.
    virtual int Dpi() const = 0;
    // Design units (twips) to this form's pixels: the one conversion every control goes through.
    int Pixels(int twips) const { return TwipsToPixels(twips, Dpi()); }
    // The font of that look at the form's dots per inch; the form owns it.
    virtual HFONT Font(const Appearance& look) = 0;
    // The tip shown over `control`; an empty text shows none.
    virtual void SetToolTip(HWND control, const std::string& text) = 0;
    // A control's window made after its form's: it goes among its siblings
    // where it would have been, made with them.
    virtual void TakePlace(const Control& control) = 0;
};

}  // namespace brivex::ui
