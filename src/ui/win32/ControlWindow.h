#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ui/Control.h"
#include "ui/win32/PeerSite.h"

namespace brivex::ui {

// The child window of one control, whatever its kind: it owns the window,
// finds itself from the window's handle, and takes the notifications the form
// window reflects back to the child that sent them. The window text is always
// the control's caption (or text), so screen readers and automation find the
// control by name.
class ControlWindow {
public:
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;
    virtual ~ControlWindow();

    HWND Handle() const { return window_; }
    static ControlWindow* Of(HWND window);
    // Whether the peer stands for its control: it has its window, or makes it
    // later, when its control first shows (a picture).
    virtual bool Ready() const { return window_ != nullptr; }

    // WM_COMMAND and WM_DRAWITEM the child sent its parent, reflected back to it.
    virtual void Command(int code);
    virtual bool DrawItem(const DRAWITEMSTRUCT& item);
    // WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: the brush to paint with, or nothing
    // to leave the system's colours. By default the text is drawn in the
    // control's colour straight over what lies behind it.
    virtual std::optional<LRESULT> Colors(HDC dc);
    // The form's window moved to a monitor of another resolution: the window
    // goes to the control's design place at it, with a font made at it.
    virtual void Rescale();

protected:
    ControlWindow(const Control& control, PeerSite& site);

    // Makes the window at the control's place, hidden, with the control's font.
    // A kind with a window class of its own calls it from its most derived
    // constructor, so that the messages the window gets while it is made reach
    // that class.
    bool Create(const wchar_t* windowClass, DWORD style, DWORD exStyle = 0);
    // Takes over a window made elsewhere (a kind with a window class of its own).
    void Adopt(HWND window);
    // A window class of the program whose messages all go to HandleMessage.
    // Each kind registers its class once: under Wine every registration,
    // even one refused as already made, is a round trip to the server.
    static bool RegisterOwnClass(const wchar_t* className);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The common part of every peer.
    void ShowText(const std::string& text);
    void ShowToolTip(const std::string& text);
    void ShowVisible(bool visible);
    void ShowEnabled(bool enabled);
    void MoveTo(const Bounds& twips);
    void Repaint();
    // The control's look (or the form's resolution) changed: the window takes
    // the font its look now asks for and is drawn again.
    void Restyle();
    // Draws the control again; a kind that keeps a drawing of its own (a
    // panel's plate) makes it again first.
    virtual void Refresh();

    HFONT Font() const { return font_; }
    PeerSite& Site() const { return site_; }

private:
    static LRESULT CALLBACK OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const Control& control_;
    PeerSite& site_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    // What Create gave the window already: the first push of the same value
    // right after it (the model binding its new peer) costs nothing.
    std::optional<std::string> textAtCreation_;
    std::optional<bool> visibleAtCreation_;
    std::optional<bool> enabledAtCreation_;
};

// A kind's peer: its own interface (`CheckPeer`, `ListPeer`...) on a child
// window, with the common part already done.
template <typename KindPeer>
class PeerWindow : public KindPeer, public ControlWindow {
public:
    void SetText(const std::string& text) override { ShowText(text); }
    void SetToolTip(const std::string& text) override { ShowToolTip(text); }
    void SetVisible(bool visible) override { ShowVisible(visible); }
    void SetEnabled(bool enabled) override { ShowEnabled(enabled); }
    void SetBounds(const Bounds& twips) override { MoveTo(twips); }
    void Invalidate() override { Restyle(); }

protected:
    PeerWindow(const Control& control, PeerSite& site) : ControlWindow(control, site) {}
};

}  // namespace brivex::ui
