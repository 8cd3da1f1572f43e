#pragma once

#include "ui/Control.h"

namespace brivex::ui {

// A control whose peer has the interface of its kind (`CheckPeer` for a check
// box, plain `ControlPeer` for a label): the model tells its peer its own
// values through that interface, with no cast and no question about the kind.
template <typename KindPeer>
class PeeredControl : public Control {
public:
    void AttachPeer(KindPeer* peer) {
        peer_ = peer;
        BindPeer(peer);
    }
    void DetachPeer() override {
        peer_ = nullptr;
        Control::DetachPeer();
    }

protected:
    using Control::Control;
    KindPeer* Peer() const { return peer_; }

private:
    KindPeer* peer_ = nullptr;
};

}  // namespace brivex::ui
