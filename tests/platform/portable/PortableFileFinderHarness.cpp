#include "platform/FileFinderHarness.h"
#include "platform/portable/PortableFileFinder.h"

namespace brivex::testing {

std::unique_ptr<FileFinder> MakeFileFinder() { return std::make_unique<PortableFileFinder>(); }

}  // namespace brivex::testing
