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

class Drives {
public:
    virtual ~Drives() = default;
    // The drives as a drive list shows them: "c: [System]", or "a:" when there is no label to show.
    virtual std::vector<std::string> DriveList() = 0;
    virtual DriveFacts Facts(char letter) = 0;
};

}  // namespace brivex
