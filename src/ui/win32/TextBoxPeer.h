#pragma once

#include <windows.h>

#include <optional>

#include "ui/TextBox.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// A system edit box: what the user types goes to the model as it is typed. A
// one-line box shows its line in the middle of its height (the system's puts
// it at the top), so that a caption centred beside it shares its baseline.
class TextBoxPeer final : public PeerWindow<TextPeer> {
public:
    TextBoxPeer(TextBox& box, PeerSite& site);
    ~TextBoxPeer() override;

    void SetReadOnly(bool readOnly) override;
    void Command(int code) override;
    std::optional<LRESULT> Colors(HDC dc) override;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    LRESULT Subclassed(UINT message, WPARAM wParam, LPARAM lParam);
    // The line sits in the client area, exactly its height; the margins above
    // and below it belong to the frame, painted as the box's background.
    void CentreLine(RECT& client, const RECT& window);
    void PaintMargins();
    void Reframe();
    int LineHeight();

    TextBox& box_;
    bool centred_ = false;
};

}  // namespace brivex::ui
