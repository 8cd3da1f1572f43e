#pragma once
// A progress bar on an in-memory window, and ways to look at what it keeps
// without widening its interface.

#include <cstdint>
#include <variant>

#include "progressbar/PropertyBag.h"
#include "progressbar/XpProgressBar.h"
#include "progressbar/PixelBarHost.h"

namespace brivex::testing {

struct TestBar {
    TestBar(int width, int height) : host(width, height) {}

    PixelBarHost host;
    XpProgressBar bar{host};
};

inline MemoryPropertyBag Saved(const XpProgressBar& bar) {
    MemoryPropertyBag bag;
    bar.SaveProperties(bag);
    return bag;
}

// The percentage the bar keeps, as it persists it.
inline std::int32_t StoredPercentage(const XpProgressBar& bar) {
    const auto value = Saved(bar).Read("Value");
    return value ? std::get<std::int32_t>(*value) : 0;
}

}  // namespace brivex::testing
