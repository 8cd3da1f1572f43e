#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ManagementService.h"

namespace brivex {

inline constexpr char kBiosMoniker[] = "Winmgmts:";
inline constexpr char kBiosQuery[] =
    "SELECT Name,BiosCharacteristics,SMBIOSPresent,SMBIOSMajorVersion,SMBIOSMinorVersion,Version,SMBIOSBIOSVersion,"
    "ListOfLanguages,Description,CurrentLanguage,Manufacturer,Status FROM Win32_BIOS";
// The main query has no date column: the release date comes from a query of its own.
inline constexpr char kReleaseDateQuery[] = "SELECT ReleaseDate FROM Win32_BIOS";

// The texts of the BIOS's feature codes 0 to 39; slot 40 stays empty.
using CharacteristicTexts = std::array<std::string, 41>;
CharacteristicTexts BiosCharacteristicTexts();

// The month's full name in the user's language, month 1 to 12.
using MonthNames = std::function<std::string(int month)>;

// A management date ("20090415000000.000000+000") as "DD - mmmm - YYYY";
// nothing when it holds no date.
std::string ReleaseDateText(const ManagementValue& releaseDate, const MonthNames& monthName);

// The report's text: a header, then one block of lines for each BIOS instance.
// `releaseDates` holds the date queries' answer, instance for instance.
std::string BiosReportText(const std::vector<ManagementInstance>& bios,
                           const std::vector<ManagementInstance>& releaseDates, const MonthNames& monthName);

// The list's lines: for each instance, each feature code's text in the order
// the BIOS gives them; code 40 an empty line, unknown codes nothing.
std::vector<std::string> BiosCharacteristicsList(const std::vector<ManagementInstance>& bios,
                                                 const CharacteristicTexts& texts);

// Asks the service and builds the report; empty when the service cannot be
// reached or the query fails.
std::optional<std::string> ReadBiosReport(ManagementService& service, const MonthNames& monthName);
// Asks the service for the features; empty when it cannot be reached or the query fails.
std::optional<std::vector<std::string>> ReadBiosCharacteristics(ManagementService& service,
                                                                const CharacteristicTexts& texts);

}  // namespace brivex
