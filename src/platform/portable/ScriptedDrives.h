#pragma once

#include <cctype>
#include <map>

#include "platform/Drives.h"

namespace brivex {

// Drives as a test describes them; every Facts call is counted.
class ScriptedDrives final : public Drives {
public:
    std::vector<std::string> DriveList() override { return list; }
    DriveFacts Facts(char letter) override {
        ++factsRequests;
        const auto it = facts.find(static_cast<char>(std::tolower(static_cast<unsigned char>(letter))));
        return it == facts.end() ? DriveFacts{} : it->second;
    }

    std::vector<std::string> list;
    std::map<char, DriveFacts> facts;  // by lower-case letter
    int factsRequests = 0;
};

}  // namespace brivex
