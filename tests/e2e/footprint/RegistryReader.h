#pragma once
// The whole registry of the running Wine prefix read into a snapshot: the
// machine, the current user under HKEY_CURRENT_USER, and the other branches
// of HKEY_USERS (".Default") under their own names.

#include <windows.h>

#include "footprint/RegistrySnapshot.h"

namespace brivex::e2e {

footprint::RegistrySnapshot ReadRegistry();

}  // namespace brivex::e2e
