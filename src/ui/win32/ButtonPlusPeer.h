#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ui/ButtonPlus.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// The program's push button: a system button drawn by the program, lit while
// the pointer is over it, pressed by a click, the space bar or Enter. Its
// window text is its name for screen readers, which a button drawn without a
// caption takes from its tip.
class ButtonPlusPeer final : public PeerWindow<ControlPeer> {
public:
    ButtonPlusPeer(ButtonPlus& button, PeerSite& site);

    void SetText(const std::string& text) override;
    void SetToolTip(const std::string& text) override;
    void Command(int code) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Subclassed(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Pass(UINT message, WPARAM wParam, LPARAM lParam);
    void ShowName();

    ButtonPlus& button_;
    // The system button's own procedure, which the program's passes each message on to.
    WNDPROC systemProc_ = nullptr;
    bool hover_ = false;
    std::optional<std::string> name_;
};

}  // namespace brivex::ui
