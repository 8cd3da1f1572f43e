#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "graphics/PixelCanvas.h"
#include "progressbar/ProgressBarHost.h"

namespace brivex {

// The Windows XP (Luna) colours of the system colour indices a bar uses;
// every other index is black, as GetSysColor answers for an unknown one.
ColorRef LunaSystemColor(int index);

// A window in memory for a progress bar: its own surface and its buffers are
// PixelCanvases with exact pixels; it records what the bar asks of it. A bar
// control's bar lives here while no window on screen carries it.
class PixelBarHost : public ProgressBarHost {
public:
    using SystemPalette = std::function<ColorRef(int index)>;

    static constexpr WindowHandle kOwnWindow = 1;

    PixelBarHost(int width, int height, SystemPalette palette = LunaSystemColor);

    // The window was resized: its own surface follows (the bar is not told).
    void SetSize(int width, int height);
    // While set, no buffer can be made.
    void SetBuffersFail(bool fail) { buffersFail_ = fail; }

    PixelCanvas& Screen() { return *screen_; }
    const std::vector<Size>& BuffersMade() const { return buffersMade_; }
    const std::vector<std::string>& ChangedProperties() const { return changed_; }
    EdgeShades Shades() const;

    WindowHandle OwnWindow() const override { return kOwnWindow; }
    Rect ClientRect(WindowHandle window) const override;
    Rect InnerArea() const override { return {0, 0, width_, height_}; }
    Canvas& OwnSurface() override { return *screen_; }
    std::unique_ptr<PixelCanvas> CreateBuffer(int width, int height) override;
    ColorRef SystemColor(int index) const override { return palette_(index); }
    void PropertyChanged(std::string_view name) override { changed_.emplace_back(name); }

private:
    int width_;
    int height_;
    SystemPalette palette_;
    std::unique_ptr<PixelCanvas> screen_;
    bool buffersFail_ = false;
    std::vector<Size> buffersMade_;
    std::vector<std::string> changed_;
};

}  // namespace brivex
