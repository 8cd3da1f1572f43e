#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "ui/Form.h"
#include "ui/FormHost.h"
#include "ui/win32/Backdrop.h"
#include "ui/win32/ControlWindow.h"
#include "ui/win32/PeerSite.h"

namespace brivex::ui {

// The top-level window of one form: borderless, painted, with a child window
// per control. One window procedure serves every form; the notifications of
// the child windows are reflected to the child's own peer. Its host owns it
// and keeps where its form is in its life.
class FormWindow final : public FormHost::Window, public FormPeer, public PeerSite {
public:
    FormWindow(Form& form, FormHost& host);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Makes the window, hidden, with its controls, and attaches the peers.
    // False when a window cannot be made: nothing is left of it then.
    bool Create();
    void Destroy() override;
    HWND Handle() const { return window_; }
    // The window of a form on screen; null when it has none.
    static HWND HandleOf(const Form& form);

    // PeerSite
    HWND ParentFor(const Control& control) const override;
    int IdFor(const Control& control) const override;
    int Dpi() const override { return dpi_; }
    HFONT Font(const Appearance& look) override;
    void SetToolTip(HWND control, const std::string& text) override;
    void TakePlace(const Control& control) override;

    // FormPeer
    void SetCaption(const std::string& caption) override;
    void SetEnabled(bool enabled) override;
    void SetWindowState(WindowState state) override;
    void SetMousePointer(MousePointer pointer) override;
    void SetTopmost() override;
    void ApplyRoundedShape() override;
    void BeginDrag() override;
    void Show() override;

private:
    static bool RegisterClass();
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintBackdrop();
    // The window moved to a monitor of `dpi`: it takes the suggested place and
    // draws everything in it again at that resolution, as if made there.
    void ChangeDpi(int dpi, const RECT& suggested);
    bool CreatePeer(Control& control);
    void MoveFocus(WPARAM wParam, LPARAM lParam);
    void CreateToolTips();
    void Tool(UINT message, HWND control, const std::wstring& tip);

    Form& form_;
    FormHost& host_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    int dpi_ = 96;
    Backdrop backdrop_;
    // Every control's window, in the order made; a control without one (a timer) maps to null.
    std::vector<std::unique_ptr<ControlWindow>> peers_;
    std::map<const Control*, ControlWindow*> peerOf_;
    std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
    // The controls' tips, kept until the tooltip control exists.
    std::map<HWND, std::wstring> tips_;
    bool iconsGiven_ = false;
    HWND focus_ = nullptr;
};

}  // namespace brivex::ui
