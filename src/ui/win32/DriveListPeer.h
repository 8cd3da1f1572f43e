#pragma once

#include "ui/DriveList.h"
#include "ui/win32/ComboBoxPeer.h"

namespace brivex::ui {

// The drive list on screen: a drop-down list of the drives its caller filled
// it with ("c: [System]"), the user's choice going to the model.
class DriveListPeer final : public ComboBoxPeer {
public:
    DriveListPeer(DriveList& drives, PeerSite& site) : ComboBoxPeer(drives, site) {}
};

}  // namespace brivex::ui
