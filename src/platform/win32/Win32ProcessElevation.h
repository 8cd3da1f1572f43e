#pragma once

#include "platform/ProcessElevation.h"

namespace brivex {

class Win32ProcessElevation final : public ProcessElevation {
public:
    bool Elevated() override;
    std::string CommandLine() override;
    bool RelaunchElevated(const std::string& arguments) override;
};

}  // namespace brivex
