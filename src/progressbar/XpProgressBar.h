#pragma once
// XP_ProgressBar, the program's own owner-drawn progress bar. Windows place it
// at design time and at run time only write and read `Value`. It keeps its
// progress as a percentage, persists its design values through a PropertyBag,
// draws itself in one of ten looks (ProgressStyle) into an off-screen buffer
// that only ever grows, and copies the buffer to its window in one block
// transfer, so the screen never shows a half-drawn bar.
//
// Properties check nothing. Writes of Color, Image, Orientation, Scrolling,
// ShowText and Value end with a redraw; writes of BrushStyle, Image, Min, Max,
// Orientation, Scrolling and ShowText tell the container that the persisted
// property changed. Nothing here throws: a refused Value write comes back as a
// value.

#include <cstdint>
#include <memory>

#include "graphics/PixelCanvas.h"
#include "progressbar/BarDrawing.h"
#include "progressbar/ProgressBarHost.h"
#include "progressbar/PropertyBag.h"

namespace brivex {

enum class ValueWrite {
    Stored,
    DivisionByZero,  // Max is 0
    Overflow,        // the value times 100, or the percentage, leaves the 32-bit range
};

class XpProgressBar {
public:
    // Draws the new bar at once.
    explicit XpProgressBar(ProgressBarHost& host);
    XpProgressBar(const XpProgressBar&) = delete;
    XpProgressBar& operator=(const XpProgressBar&) = delete;

    ProgressBarHost& Host() const { return *host_; }
    // Moves the bar to another window (from memory to the screen and back):
    // every property and the percentage stay, the buffer is made anew for the
    // new host, hwnd becomes the new host's own window, and the bar is drawn
    // there at once.
    void SetHost(ProgressBarHost& host);

    void DrawProgressBar();
    // Copies a block of the buffer to `canvas`; a width or height below 1 means the buffer's.
    void pDraw(Canvas& canvas, int xSrc, int ySrc, int widthSrc, int heightSrc, int xDst, int yDst);

    // Write only: the hatch style of StyleHatched.
    void SetBrushStyle(std::int32_t style);
    // Stored translated: a system colour is looked up when written.
    ColorRef Color() const { return color_; }
    void SetColor(ColorRef colour);
    const FontRef& Font() const { return font_; }
    void SetFont(FontRef font) { font_ = std::move(font); }
    WindowHandle hwnd() const { return hwnd_; }
    // The surface the next redraw draws on: the buffer, or the control's own.
    Canvas& hdc() const;
    // Makes the buffer fit the control's current inner size and draws on it
    // from then on; the control's own surface when no buffer can be had.
    void SetHdc();
    const PictureRef& Image() const { return image_; }
    void SetImage(PictureRef picture);
    std::int32_t Min() const { return min_; }
    void SetMin(std::int32_t min);
    std::int32_t Max() const { return max_; }
    void SetMax(std::int32_t max);
    std::int32_t Orientation() const { return orientation_; }
    void SetOrientation(std::int32_t orientation);
    std::int32_t Scrolling() const { return scrolling_; }
    void SetScrolling(std::int32_t style);
    bool ShowText() const { return showText_; }
    void SetShowText(bool show);
    // Min and Max turn the value into the percentage kept and back; with the
    // defaults 0 and 100 the value is the percentage.
    std::int32_t Value() const;
    ValueWrite SetValue(std::int32_t value);

    ColorRef TranslateColor(ColorRef colour) const;

    // Every value passes through its property's write, in the persisted order.
    void LoadProperties(const PropertyBag& bag);
    // Values equal to their defaults are left out; the font is always stored.
    void SaveProperties(PropertyBag& bag) const;

private:
    PixelCanvas* EnsureBuffer(int width, int height);
    void CreateBuffer(int width, int height);
    void ReleaseBuffer();
    BarLook Look() const;
    void DrawStyle(Canvas& surface, const BarLook& look);

    ProgressBarHost* host_;
    FontRef font_;
    WindowHandle hwnd_ = 0;
    ColorRef color_ = 0;
    std::int32_t brushStyle_ = 0;
    PictureRef image_;
    std::int32_t min_ = 0;
    std::int32_t max_ = 100;
    std::int32_t orientation_ = 0;
    std::int32_t scrolling_ = 0;
    bool showText_ = false;
    std::int32_t percentage_ = 0;

    std::unique_ptr<PixelCanvas> buffer_;
    int bufferWidth_ = 0;
    int bufferHeight_ = 0;
    // Set when a buffer is first made and never cleared: from then on every
    // redraw ends by copying the buffer, even when a later rebuild failed.
    bool bufferInUse_ = false;
    bool drawOnBuffer_ = false;

    DrawScratch scratch_;
};

}  // namespace brivex
