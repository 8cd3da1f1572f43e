#pragma once

#include <array>

#include "platform/SystemFacts.h"

namespace brivex {

// System facts as a test sets them.
class ScriptedSystemFacts final : public SystemFacts {
public:
    std::optional<int> PlatformId() override { return platformId; }
    std::string ApplicationFolder() override { return applicationFolder; }
    std::string WindowsFolder() override { return windowsFolder; }
    bool PreviousInstance() override { return previousInstance; }
    LocalTime Now() override { return now; }
    MemoryStatus Memory() override { return memory; }
    char DecimalSeparator() override { return decimalSeparator; }
    std::string MonthName(int month) override {
        return month >= 1 && month <= 12 ? monthNames[static_cast<std::size_t>(month - 1)] : std::string{};
    }

    std::string UserName() override { return userName; }
    bool JoinedToDomain() override { return joinedToDomain; }

    std::optional<int> platformId = 2;
    std::string applicationFolder = "C:\\Program Files\\Brivex Doziv";
    std::string windowsFolder = "C:\\WINDOWS";
    bool previousInstance = false;
    LocalTime now{2026, 12, 6, 9, 5, 7};
    MemoryStatus memory;
    char decimalSeparator = ',';
    std::string userName = "Utilisateur";
    bool joinedToDomain = false;
    std::array<std::string, 12> monthNames{"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                           "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
};

}  // namespace brivex
