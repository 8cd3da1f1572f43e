#pragma once

#include <windows.h>

#include <string>

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
    // Design units (twips) to this form's pixels: the one conversion every control goes through.
    virtual int Pixels(int twips) const = 0;
    virtual HFONT Font(const Appearance& look) = 0;
    // The tip shown over `control`; an empty text shows none.
    virtual void SetToolTip(HWND control, const std::string& text) = 0;
};

}  // namespace brivex::ui
