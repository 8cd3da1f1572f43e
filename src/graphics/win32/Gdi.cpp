#include "graphics/win32/Gdi.h"

#include <algorithm>
#include <cassert>

namespace brivex {

namespace {

// The windows' thread paints one control at a time, so one surface serves them all.
struct Scratch {
    Scratch() = default;
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch() {
        if (!dc) return;
        SelectObject(dc, original);
        DeleteDC(dc);
    }

    HDC dc = nullptr;
    GdiObject<HBITMAP> bitmap;
    HGDIOBJ original = nullptr;
    int width = 0;
    int height = 0;
    bool inUse = false;
};

Scratch& TheScratch() {
    static Scratch scratch;
    return scratch;
}

}  // namespace

OffscreenDc::OffscreenDc(HDC target, int width, int height) {
    Scratch& scratch = TheScratch();
    assert(!scratch.inUse && "paints do not nest");
    if (!scratch.dc) scratch.dc = CreateCompatibleDC(target);
    if (!scratch.bitmap || width > scratch.width || height > scratch.height) {
        const int grownWidth = std::max({width, scratch.width, 1});
        const int grownHeight = std::max({height, scratch.height, 1});
        if (GdiObject<HBITMAP> grown(CreateCompatibleBitmap(target, grownWidth, grownHeight)); grown) {
            const HGDIOBJ previous = SelectObject(scratch.dc, grown.Get());
            if (!scratch.original) scratch.original = previous;
            scratch.bitmap = std::move(grown);
            scratch.width = grownWidth;
            scratch.height = grownHeight;
        }
    }
    scratch.inUse = true;
    dc_ = scratch.dc;
    saved_ = SaveDC(dc_);
}

OffscreenDc::~OffscreenDc() {
    RestoreDC(dc_, saved_);
    TheScratch().inUse = false;
}

}  // namespace brivex
