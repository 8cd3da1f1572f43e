#pragma once
// What Wine changes in the registry by itself while a program runs, measured
// with control runs (the program started and quitted without acting, and a
// plain console program): these differences are not the program's.

#include <span>
#include <string_view>

#include "footprint/RegistrySnapshot.h"

namespace brivex::footprint {

enum class NoiseScope {
    Value,    // that one value
    Subtree,  // the key and everything under it
};

struct NoiseRule {
    NoiseScope scope;
    std::string_view key;
    std::string_view valueName;  // for NoiseScope::Value
};

std::span<const NoiseRule> WineRegistryNoise();

bool Covers(const NoiseRule& rule, const Difference& difference);
// Whether the rule reaches that key or any value of it.
bool CoversKey(const NoiseRule& rule, std::string_view key);
bool IsWineNoise(const Difference& difference);

}  // namespace brivex::footprint
