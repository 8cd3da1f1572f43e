#pragma once

#include <windows.h>

#include <optional>

#include "ui/TextBox.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// A system edit box: what the user types goes to the model as it is typed.
class TextBoxPeer final : public PeerWindow<TextPeer> {
public:
    TextBoxPeer(TextBox& box, PeerSite& site);

    void SetReadOnly(bool readOnly) override;
    void Command(int code) override;
    std::optional<LRESULT> Colors(HDC dc) override;

private:
    TextBox& box_;
};

}  // namespace brivex::ui
