#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "ui/Control.h"

namespace brivex::ui {

// Kinds whose window comes from a layer above the runtime (the progress bar)
// register how to make their peer; the form window asks here first.
using PeerFactory = std::function<std::unique_ptr<ControlPeer>(Control& control, HWND parent, const RECT& pixels)>;

void RegisterPeerFactory(std::string kind, PeerFactory factory);
const PeerFactory* FindPeerFactory(std::string_view kind);

}  // namespace brivex::ui
