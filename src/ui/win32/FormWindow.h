#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "ui/Form.h"
#include "ui/win32/Backdrop.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

class FormHost;

// The top-level window of one form: borderless, painted, with a child window
// per control. One window procedure serves every form; notifications from
// child windows are handed to the child's peer.
class FormWindow final : public FormPeer {
public:
    FormWindow(Form& form, FormHost& host);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Creates the window, hidden, with its controls, and attaches the peers.
    void Create();
    void Destroy();
    HWND Handle() const { return window_; }
    static HWND HandleOf(const Form& form);

    HFONT FontFor(const Appearance& look);
    void AddTool(HWND control);
    void SetToolText(HWND control, const std::string& text);

    // FormPeer
    void SetCaption(const std::string& caption) override;
    void SetEnabled(bool enabled) override;
    void SetWindowState(WindowState state) override;
    void SetMousePointer(MousePointer pointer) override;
    void SetTopmost() override;
    void ApplyRoundedShape() override;
    void BeginDrag() override;
    void Show();

    static void RegisterClass();

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintBackdrop();
    void CreateControls();
    int Px(int twips) const { return static_cast<int>(twips * scale_ + 0.5); }

    Form& form_;
    FormHost& host_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    double scale_ = 1.0 / 15.0;  // pixels per twip
    Backdrop backdrop_;
    std::vector<std::unique_ptr<ControlPeer>> controls_;
    std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
    bool activatedOnce_ = false;
};

}  // namespace brivex::ui
