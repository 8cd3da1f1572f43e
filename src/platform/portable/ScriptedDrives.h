#pragma once

#include <cctype>
#include <map>

#include "platform/Drives.h"

namespace brivex {

// Drives as a test describes them: one per letter of `facts`, its type and
// label those of its facts. Every read of a drive's medium is counted.
class ScriptedDrives final : public Drives {
public:
    std::vector<char> Letters() override {
        std::vector<char> letters;
        for (const auto& [letter, drive] : facts) letters.push_back(letter);
        return letters;
    }
    int DriveType(char letter) override { return FactsOf(letter).driveType; }
    std::string VolumeLabel(char letter) override {
        ++mediaReads[Lower(letter)];
        return FactsOf(letter).volumeName;
    }
    std::string RemoteName(char letter) override {
        const auto it = remoteNames.find(Lower(letter));
        return it == remoteNames.end() ? std::string{} : it->second;
    }
    DriveFacts Facts(char letter) override {
        ++mediaReads[Lower(letter)];
        return FactsOf(letter);
    }

    std::map<char, DriveFacts> facts;         // by lower-case letter
    std::map<char, std::string> remoteNames;  // by lower-case letter
    std::map<char, int> mediaReads;           // by lower-case letter

private:
    static char Lower(char letter) { return static_cast<char>(std::tolower(static_cast<unsigned char>(letter))); }
    DriveFacts FactsOf(char letter) const {
        const auto it = facts.find(Lower(letter));
        return it == facts.end() ? DriveFacts{} : it->second;
    }
};

}  // namespace brivex
