#pragma once

#include <windows.h>

#include "ui/ListBox.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// A system drop-down list showing the model's items; the user's choice goes to
// the model. Its window text is the chosen item, as the system keeps it. The
// program draws the items: the closed box takes the height the design gives
// it, like a text box beside it, and each line of the list keeps a margin
// above and below its text.
class ComboBoxPeer : public PeerWindow<ListPeer> {
public:
    ComboBoxPeer(ListControl& list, PeerSite& site);

    void SetText(const std::string& text) override;
    void SetBounds(const Bounds& twips) override;
    void ClearItems() override;
    void AddItem(const std::string& item) override;
    void SetSelection(int index) override;
    void Command(int code) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    // The heights follow the font: a new one fits them again.
    void Refresh() override;
    // The closed box at its design height, the list's lines with their margins.
    void FitHeights();
    // The window's height includes the dropped list; the design gives the closed box.
    void OpenHeight();
    int LineHeight();

    ListControl& list_;
};

}  // namespace brivex::ui
