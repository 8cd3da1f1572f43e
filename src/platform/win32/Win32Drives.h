#pragma once

#include "platform/Drives.h"

namespace brivex {

class Win32Drives final : public Drives {
public:
    std::vector<std::string> DriveList() override;
    DriveFacts Facts(char letter) override;
};

}  // namespace brivex
