#pragma once

#include <windows.h>

#include "ui/ListBox.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// A system list box showing the model's items; the user's choice goes to the model.
class ListBoxPeer : public PeerWindow<ListPeer> {
public:
    ListBoxPeer(ListControl& list, PeerSite& site);

    void ClearItems() override;
    void AddItem(const std::string& item) override;
    void SetSelection(int index) override;
    void Command(int code) override;

private:
    ListControl& list_;
};

}  // namespace brivex::ui
