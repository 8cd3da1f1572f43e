#include "progressbar/PixelBarHost.h"

namespace brivex {

namespace {

constexpr int kColorHighlight = 13;
constexpr int kColorButtonShadow = 16;
constexpr int kColorButtonHighlight = 20;
constexpr int kColor3dDarkShadow = 21;
constexpr int kColor3dLight = 22;

}  // namespace

ColorRef LunaSystemColor(int index) {
    switch (index) {
        case kColorHighlight: return 0xC56A31;
        case kColorButtonShadow: return 0x99A8AC;
        case kColorButtonHighlight: return 0xFFFFFF;
        case kColor3dDarkShadow: return 0x646F71;
        case kColor3dLight: return 0xE2EFF1;
        default: return 0x000000;
    }
}

PixelBarHost::PixelBarHost(int width, int height, SystemPalette palette)
    : width_(width), height_(height), palette_(std::move(palette)) {
    screen_ = std::make_unique<PixelCanvas>(width_, height_, Shades());
}

EdgeShades PixelBarHost::Shades() const {
    return {palette_(kColorButtonHighlight), palette_(kColor3dLight), palette_(kColorButtonShadow),
            palette_(kColor3dDarkShadow)};
}

void PixelBarHost::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
    screen_ = std::make_unique<PixelCanvas>(width_, height_, Shades());
}

Rect PixelBarHost::ClientRect(WindowHandle window) const {
    // GetClientRect of no window fails and leaves an empty rectangle.
    if (window != kOwnWindow) return {};
    return {0, 0, width_, height_};
}

std::unique_ptr<PixelCanvas> PixelBarHost::CreateBuffer(int width, int height) {
    if (buffersFail_) return nullptr;
    buffersMade_.push_back({width, height});
    return std::make_unique<PixelCanvas>(width, height, Shades());
}

}  // namespace brivex
