#pragma once

#include <string>
#include <vector>

namespace brivex {

// What the system tells about one drive. Sizes are in bytes; 0 means no size
// (an empty drive, a drive that cannot be read).
struct DriveFacts {
    std::string volumeName;
    std::string fileSystem;
    std::string serialNumber;
    double totalSpace = 0;
    double freeSpace = 0;
    int driveType = 0;  // 2 removable, 3 fixed, 4 remote, 5 CD-ROM, 6 RAM disk
};

// The machine's drives. Reading a drive's medium (its label, its facts) may
// wait: on an empty removable drive, or for the network's time-out on a
// network drive whose server is gone. The other calls answer from what the
// system holds locally.
class Drives {
public:
    virtual ~Drives() = default;

    // The letters of the drives the system has, lower case, in alphabetical order.
    virtual std::vector<char> Letters() = 0;
    virtual int DriveType(char letter) = 0;
    // Read from the medium; empty when the volume has no label or cannot be read.
    virtual std::string VolumeLabel(char letter) = 0;
    // The share a network drive stands for, as the system keeps it locally;
    // empty when it keeps none.
    virtual std::string RemoteName(char letter) = 0;
    // Read from the medium.
    virtual DriveFacts Facts(char letter) = 0;

    // The drives as a drive list shows them: "c: [System]", "n: [\\serveur\partage]",
    // or "a:" when there is no name to show. Only fixed and RAM drives have their medium read.
    std::vector<std::string> DriveList();

private:
    std::string ListedName(char letter);
};

}  // namespace brivex
