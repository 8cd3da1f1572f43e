#include "platform/Drives.h"

#include <utility>

namespace brivex {

namespace {

constexpr int kFixed = 3;
constexpr int kRemote = 4;
constexpr int kRamDisk = 6;

}  // namespace

std::vector<std::string> Drives::DriveList() {
    std::vector<std::string> entries;
    for (const char letter : Letters()) {
        std::string entry{letter, ':'};
        if (const std::string name = ListedName(letter); !name.empty()) entry += " [" + name + "]";
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string Drives::ListedName(char letter) {
    switch (DriveType(letter)) {
        case kFixed:
        case kRamDisk: return VolumeLabel(letter);
        // Its medium is on a server that may be gone: the list would wait for the network.
        case kRemote: return RemoteName(letter);
        // An empty removable or optical drive would make the list wait, or the system ask for a disk.
        default: return {};
    }
}

}  // namespace brivex
