#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "graphics/PixelCanvas.h"

namespace brivex {

// A window as the bar names it: its own, or any other whose client area it is
// told to draw in.
using WindowHandle = std::uintptr_t;

// What the progress bar needs from the window it lives in and from the
// platform under it: the Win32 control window, or an in-memory stand-in.
class ProgressBarHost {
public:
    virtual ~ProgressBarHost() = default;

    virtual WindowHandle OwnWindow() const = 0;
    virtual Rect ClientRect(WindowHandle window) const = 0;
    // The control's inner area (its scale left, top, width and height) in pixels.
    virtual Rect InnerArea() const = 0;
    // The control's own device context.
    virtual Canvas& OwnSurface() = 0;
    // An off-screen software surface whose pixels the platform can present,
    // or nothing when it cannot make one.
    virtual std::unique_ptr<PixelCanvas> CreateBuffer(int width, int height) = 0;
    virtual ColorRef SystemColor(int index) const = 0;
    // Tells the container that a persisted property changed.
    virtual void PropertyChanged(std::string_view name) = 0;
};

}  // namespace brivex
