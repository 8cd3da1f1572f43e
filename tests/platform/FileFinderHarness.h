#pragma once

#include <memory>

#include "platform/FileFinder.h"

namespace brivex::testing {

// The file finder of each side, for the suite both run.
std::unique_ptr<FileFinder> MakeFileFinder();

}  // namespace brivex::testing
