#pragma once

#include <windows.h>

#include "graphics/win32/Gdi.h"

namespace brivex::ui {

// The painted background of a container (a window or a panel), kept in
// memory so that labels, pictures and buttons drawn over it can copy the part
// behind them and look transparent without flicker.
class Backdrop {
public:
    Backdrop() = default;
    Backdrop(const Backdrop&) = delete;
    Backdrop& operator=(const Backdrop&) = delete;
    ~Backdrop();

    // A fresh surface of that size; paint it through Dc().
    void Resize(HDC reference, int width, int height);
    HDC Dc() const { return dc_; }
    // Copies the part under `child` (in the container's client coordinates) into `target` at 0,0.
    void CopyBehind(HDC target, const RECT& child) const;

    static void Attach(HWND container, Backdrop* backdrop);
    static Backdrop* Of(HWND container);
    // Paints what lies behind `child` in its parent into `target`; false when the parent has no backdrop.
    static bool PaintBehind(HWND child, HDC target);

private:
    void Release();

    HDC dc_ = nullptr;
    GdiObject<HBITMAP> bitmap_;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace brivex::ui
