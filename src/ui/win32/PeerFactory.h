#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <typeindex>

#include "ui/Control.h"
#include "ui/win32/ControlWindow.h"
#include "ui/win32/PeerSite.h"

namespace brivex::ui {

// How a control gets its window: one factory per control type, found by the
// control's own C++ type. The runtime registers its kinds (StandardPeers.h);
// a layer above it registers its own (the progress bar) before a form shows.
// A factory gives nothing when the window cannot be made.
using PeerFactory = std::function<std::unique_ptr<ControlWindow>(Control& control, PeerSite& site)>;

void RegisterPeerFactory(std::type_index type, PeerFactory factory);
// Null for a type that has no window (a timer).
const PeerFactory* FindPeerFactory(const Control& control);

// Controls of type `Model` get a `Peer`, made from (Model&, PeerSite&) with
// its window, and attached to the model through the model's own peer type.
template <typename Model, typename Peer>
void RegisterPeer() {
    RegisterPeerFactory(typeid(Model), [](Control& control, PeerSite& site) -> std::unique_ptr<ControlWindow> {
        // Found by the control's exact type, so the control is a Model.
        Model& model = static_cast<Model&>(control);
        auto peer = std::make_unique<Peer>(model, site);
        if (!peer->Ready()) return nullptr;
        model.AttachPeer(peer.get());
        return peer;
    });
}

}  // namespace brivex::ui
