#pragma once

#include <windows.h>

#include "ui/ListBox.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// A system drop-down list showing the model's items; the user's choice goes to
// the model. Its window text is the chosen item, as the system keeps it.
class ComboBoxPeer : public PeerWindow<ListPeer> {
public:
    ComboBoxPeer(ListControl& list, PeerSite& site);

    void SetText(const std::string& text) override;
    void SetBounds(const Bounds& twips) override;
    void ClearItems() override;
    void AddItem(const std::string& item) override;
    void SetSelection(int index) override;
    void Command(int code) override;

private:
    // The window's height includes the dropped list; the design gives the closed box.
    void OpenHeight();

    ListControl& list_;
};

}  // namespace brivex::ui
