#pragma once
// The restore point service every restore point goes through: the first run,
// the one-click optimisation, the tweak panel and the backup window. It keeps
// nothing between calls; each request opens its own connection.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ManagementService.h"
#include "platform/RegistryApi.h"
#include "restore/RestorePointRecord.h"

namespace brivex {

// The restore point types the program asks for, as the restore service defines them.
namespace restorepointtype {
inline constexpr std::int32_t ApplicationInstall = 0;
inline constexpr std::int32_t ApplicationUninstall = 1;
inline constexpr std::int32_t DeviceDriverInstall = 10;
inline constexpr std::int32_t ModifySettings = 12;
}  // namespace restorepointtype

// True only when a restore point was really made: the service took the
// request, answered status 0, and its list then holds a point numbered above
// the highest it listed before. The creation frequency is lifted for the one
// request (CreationFrequencyLift.h), so a point made by Windows Update an
// hour ago does not silently stand in for this one. Every failure, whatever
// its cause, is false; nothing is retried or shown.
bool MakeRestorePoint(ManagementService& management, RegistryApi& registry, const std::string& description,
                      std::int32_t restorePointType);

// The existing restore points in the service's order, or why they could not be
// listed; what to show then is the caller's choice.
ManagementResult<std::vector<RestorePointRecord>> ListRestorePoints(ManagementService& management);

}  // namespace brivex
