#include "platform/FileFinderHarness.h"
#include "platform/win32/Win32FileFinder.h"

namespace brivex::testing {

std::unique_ptr<FileFinder> MakeFileFinder() { return std::make_unique<Win32FileFinder>(); }

}  // namespace brivex::testing
