#pragma once

namespace brivex::ui {

// Gives every kind of the forms runtime its window (the peer factories).
void RegisterStandardPeers();

}  // namespace brivex::ui
