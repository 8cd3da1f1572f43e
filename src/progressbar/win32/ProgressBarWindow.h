#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "graphics/win32/GdiCanvas.h"
#include "progressbar/ProgressBarHost.h"
#include "progressbar/XpProgressBar.h"

namespace brivex {

// A progress bar on screen: a child window of class "XP_ProgressBar" that
// carries a bar owned elsewhere. The bar moves into the window while it is
// made and goes back to the host it came from when the window goes, keeping
// its state. The window paints the bar on WM_PAINT (and into the context
// WM_PRINTCLIENT gives), grows its buffer when resized, and answers PBM_GETPOS
// with the bar's Value, so that automation and accessibility tools can read
// the progress. Its own device context is a class-owned one that lives as
// long as the window, which is what lets the bar draw at once after every
// property write. No exception leaves its window procedure.
class ProgressBarWindow final : public ProgressBarHost {
public:
    static constexpr wchar_t kClassName[] = L"XP_ProgressBar";

    // Nothing when the window cannot be made, and `bar` stays where it was. A
    // parent of HWND_MESSAGE gives a window that is never shown, which needs
    // no display. The bar's host must outlive the window. Its text is set at
    // `dpi`, the resolution of the window it is in.
    static std::unique_ptr<ProgressBarWindow> Create(HWND parent, const RECT& bounds, XpProgressBar& bar, int dpi,
                                                     int id = 0);
    ProgressBarWindow(const ProgressBarWindow&) = delete;
    ProgressBarWindow& operator=(const ProgressBarWindow&) = delete;
    ~ProgressBarWindow() override;

    HWND Handle() const { return window_; }
    XpProgressBar& Bar() { return *bar_; }
    // The window it is in moved to a monitor of another resolution: the bar is drawn again at it.
    void SetDpi(int dpi);

    // Told the name of each persisted property a write changed.
    std::function<void(std::string_view)> OnPropertyChanged;

    WindowHandle OwnWindow() const override;
    Rect ClientRect(WindowHandle window) const override;
    Rect InnerArea() const override;
    Canvas& OwnSurface() override { return *ownSurface_; }
    std::unique_ptr<PixelCanvas> CreateBuffer(int width, int height) override;
    ColorRef SystemColor(int index) const override;
    void PropertyChanged(std::string_view name) override;

private:
    ProgressBarWindow(XpProgressBar& bar, int dpi) : bar_(&bar), home_(&bar.Host()), dpi_(dpi) {}
    static bool RegisterWindowClass();
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PrintClient(HDC dc);

    HWND window_ = nullptr;
    std::unique_ptr<GdiCanvas> ownSurface_;
    XpProgressBar* bar_;
    ProgressBarHost* home_;  // where the bar goes back to
    int dpi_;
};

}  // namespace brivex
