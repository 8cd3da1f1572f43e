#pragma once

#include <string>

#include "platform/Drives.h"

namespace brivex::ui {

// Facts about the drive last named, a control without a window: every read
// reflects that drive and gives the same value until another drive is named,
// however often it is read.
class DrvFact {
public:
    explicit DrvFact(Drives& drives) : drives_(drives) {}

    // Takes a drive list's text ("c: [System]"); the letter is what counts.
    void SetDrive(const std::string& drive);
    const std::string& Drive() const { return drive_; }

    const std::string& VolumeName() const { return facts_.volumeName; }
    const std::string& FileSystem() const { return facts_.fileSystem; }
    const std::string& SerialNumber() const { return facts_.serialNumber; }
    double TotalSpace() const { return facts_.totalSpace; }
    double FreeSpace() const { return facts_.freeSpace; }
    int DriveType() const { return facts_.driveType; }

private:
    Drives& drives_;
    std::string drive_;
    DriveFacts facts_;
};

}  // namespace brivex::ui
