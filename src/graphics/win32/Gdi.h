#pragma once
// Thin owners of GDI objects, so every brush, pen, bitmap and device context
// made for drawing is deleted before the drawing returns.

#include <windows.h>

namespace brivex {

template <typename Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = other.handle_;
            other.handle_ = nullptr;
        }
        return *this;
    }
    ~GdiObject() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_;
};

// Selects an object into a DC for one scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// An off-screen bitmap at least the size of an area, painted then copied in
// one go: nothing is ever seen half-drawn. One bitmap serves every paint of
// the thread, grown to the largest area asked for, and each paint finds the
// device context as new: under Wine, making a bitmap and selecting it cost
// two trips to the server, and a window's first frame paints every control.
class OffscreenDc {
public:
    OffscreenDc(HDC target, int width, int height);
    OffscreenDc(const OffscreenDc&) = delete;
    OffscreenDc& operator=(const OffscreenDc&) = delete;
    ~OffscreenDc();
    HDC Get() const { return dc_; }

private:
    HDC dc_;
    int saved_;
};

}  // namespace brivex
