#include "progressbar/win32/ProgressBarWindow.h"

#include <commctrl.h>

#include "graphics/win32/DibCanvas.h"

namespace brivex {

namespace {

Rect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

bool ProgressBarWindow::RegisterWindowClass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    // The own device context outlives each paint, so the bar can draw after a
    // property write; the whole bar is redrawn whenever its size changes.
    windowClass.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = ProgressBarWindow::kClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

std::unique_ptr<ProgressBarWindow> ProgressBarWindow::Create(HWND parent, const RECT& bounds, XpProgressBar& bar,
                                                             int dpi, int id) {
    static const bool registered = RegisterWindowClass();
    if (!registered) return nullptr;
    std::unique_ptr<ProgressBarWindow> control(new ProgressBarWindow(bar, dpi));
    HWND window =
        CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top, bounds.right - bounds.left,
                        bounds.bottom - bounds.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), control.get());
    if (!window) return nullptr;
    return control;
}

ProgressBarWindow::~ProgressBarWindow() {
    if (window_) DestroyWindow(window_);
}

void ProgressBarWindow::SetDpi(int dpi) {
    if (dpi == dpi_ || !window_) return;
    dpi_ = dpi;
    ownSurface_ = std::make_unique<GdiCanvas>(GetDC(window_), dpi_);
    // Taken in again, the bar drops its buffer, whose text was set at the old resolution, and draws anew.
    bar_->SetHost(*this);
}

LRESULT CALLBACK ProgressBarWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ProgressBarWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ProgressBarWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Only a failed allocation can land here; the bar then stays as it was.
        return message == WM_CREATE ? -1 : DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT ProgressBarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            ownSurface_ = std::make_unique<GdiCanvas>(GetDC(window_), dpi_);
            bar_->SetHost(*this);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window_, &paint);
            bar_->DrawProgressBar();
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_PRINTCLIENT: PrintClient(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_ERASEBKGND:
            // Every redraw covers the whole client area; erasing first would flicker.
            return 1;
        case WM_SIZE: bar_->SetHdc(); return 0;
        case PBM_GETPOS: return bar_->Value();
        case WM_NCDESTROY:
            if (&bar_->Host() == this) bar_->SetHost(*home_);
            ownSurface_.reset();
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            window_ = nullptr;
            return 0;
        default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void ProgressBarWindow::PrintClient(HDC dc) {
    bar_->DrawProgressBar();
    GdiCanvas target(dc, dpi_);
    const Rect inner = InnerArea();
    bar_->pDraw(target, 0, 0, inner.Width(), inner.Height(), inner.left, inner.top);
}

WindowHandle ProgressBarWindow::OwnWindow() const { return reinterpret_cast<WindowHandle>(window_); }

Rect ProgressBarWindow::ClientRect(WindowHandle window) const {
    RECT client = {};
    GetClientRect(reinterpret_cast<HWND>(window), &client);
    return FromRect(client);
}

Rect ProgressBarWindow::InnerArea() const { return ClientRect(OwnWindow()); }

std::unique_ptr<PixelCanvas> ProgressBarWindow::CreateBuffer(int width, int height) {
    return DibCanvas::Create(width, height, dpi_);
}

ColorRef ProgressBarWindow::SystemColor(int index) const { return GetSysColor(index); }

void ProgressBarWindow::PropertyChanged(std::string_view name) {
    if (OnPropertyChanged) OnPropertyChanged(name);
}

}  // namespace brivex
