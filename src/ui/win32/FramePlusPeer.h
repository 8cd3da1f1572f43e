#pragma once

#include <windows.h>

#include <memory>

#include "ui/FramePlus.h"
#include "ui/win32/Backdrop.h"
#include "ui/win32/ControlWindow.h"

namespace brivex::ui {

// A captioned panel: a window of its own that the controls placed in it are
// children of, so they hide with it and the keyboard moves into it. It keeps
// its painted face as the backdrop its children stand on, and passes their
// notifications on to the form window.
class FramePlusPeer final : public PeerWindow<ControlPeer> {
public:
    FramePlusPeer(FramePlus& frame, PeerSite& site);
    ~FramePlusPeer() override;

    void SetText(const std::string& text) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Refresh() override;
    void RebuildBackdrop();

    FramePlus& frame_;
    Backdrop backdrop_;
};

}  // namespace brivex::ui
