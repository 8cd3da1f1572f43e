#include "ui/win32/Backdrop.h"

#include <unordered_map>

namespace brivex::ui {

namespace {

// Each container's backdrop, by handle: every control painted over a
// container asks for it, and a window property would cost a round trip to
// the server under Wine on each paint.
std::unordered_map<HWND, Backdrop*>& Backdrops() {
    static std::unordered_map<HWND, Backdrop*> backdrops;
    return backdrops;
}

}  // namespace

Backdrop::~Backdrop() { Release(); }

void Backdrop::Release() {
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    dc_ = nullptr;
    bitmap_.Reset();
}

void Backdrop::Resize(HDC reference, int width, int height) {
    Release();
    dc_ = CreateCompatibleDC(reference);
    bitmap_.Reset(CreateCompatibleBitmap(reference, width > 0 ? width : 1, height > 0 ? height : 1));
    previous_ = SelectObject(dc_, bitmap_.Get());
}

void Backdrop::CopyBehind(HDC target, const RECT& child) const {
    if (dc_)
        BitBlt(target, 0, 0, child.right - child.left, child.bottom - child.top, dc_, child.left, child.top, SRCCOPY);
}

void Backdrop::Attach(HWND container, Backdrop* backdrop) {
    if (backdrop) Backdrops()[container] = backdrop;
    else Backdrops().erase(container);
}

Backdrop* Backdrop::Of(HWND container) {
    const auto found = Backdrops().find(container);
    return found == Backdrops().end() ? nullptr : found->second;
}

bool Backdrop::PaintBehind(HWND child, HDC target) {
    HWND parent = GetParent(child);
    const Backdrop* backdrop = parent ? Of(parent) : nullptr;
    if (!backdrop) return false;
    RECT area;
    GetWindowRect(child, &area);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&area), 2);
    backdrop->CopyBehind(target, area);
    return true;
}

}  // namespace brivex::ui
