#pragma once
// A start at log-on. The entry an optimisation's end writes under the machine's
// Run key starts the program at every account's log-on, not only at the next
// one of the account that optimised. Its mark (registry/StartWithWindows.h)
// tells such a start from the user's own: it opens a window only for an
// account that has one waiting, the account that optimised (its pending-reboot
// marker: the finishing window) or one that chose to start with Windows (the
// main window). Any other account's start ends before the elevation prompt and
// before any window, so that account meets neither. An unmarked start (the
// settings window's entry, one earlier versions wrote, a user's own) goes on
// as ever.

#include <string_view>

#include "registry/Settings.h"

namespace brivex {

// Whether the process whose command line this is ends at once, with nothing shown.
bool EndsAtLogOn(std::string_view commandLine, Settings& settings);

}  // namespace brivex
