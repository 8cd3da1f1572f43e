#pragma once
// What the program is meant to leave in the registry, taken from its own
// tables: the optimisation's rows, the tweak catalogue, the start-with-Windows
// value and the settings store's key. A difference none of them names is a
// value the program had no business touching.

#include <string>
#include <string_view>
#include <vector>

#include "footprint/RegistrySnapshot.h"
#include "platform/RegistryApi.h"

namespace brivex::footprint {

enum class Group { Optimisation, Tweaks, StartWithWindows, Settings };

std::string_view GroupName(Group group);
// A key of the program's tables as snapshots name it: "HKEY_LOCAL_MACHINE\\SOFTWARE\\...".
std::string RegistryPath(RegKey root, std::string_view key);

class ProgramFootprint {
public:
    ProgramFootprint();

    // The groups whose tables name that difference; none: the program is not meant to make it.
    std::vector<Group> GroupsAllowing(const Difference& difference) const;
    // Every key the tables name, for a value, as a whole, or as the settings' own: what
    // the Wine noise must never cover.
    std::vector<std::string> Keys() const;

private:
    struct Row {
        Group group;
        std::string key;
        std::string valueName;
        std::uint32_t type;
    };
    std::vector<Row> values_;
    std::vector<std::string> removedKeys_;  // removed whole, with their values
    std::string settingsKey_;               // everything under it belongs to the program
};

}  // namespace brivex::footprint
