#pragma once

#include "platform/Drives.h"

namespace brivex {

class Win32Drives final : public Drives {
public:
    std::vector<char> Letters() override;
    int DriveType(char letter) override;
    std::string VolumeLabel(char letter) override;
    std::string RemoteName(char letter) override;
    DriveFacts Facts(char letter) override;
};

}  // namespace brivex
