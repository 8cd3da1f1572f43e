#pragma once
// The restore point service every restore point goes through: the first run,
// the one-click optimisation, the tweak panel and the backup window. It keeps
// nothing between calls; each request opens its own connection.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ManagementService.h"
#include "restore/RestorePointRecord.h"

namespace brivex {

// The restore point types the program asks for, as the restore service defines them.
namespace restorepointtype {
inline constexpr std::int32_t ApplicationInstall = 0;
inline constexpr std::int32_t ApplicationUninstall = 1;
inline constexpr std::int32_t DeviceDriverInstall = 10;
inline constexpr std::int32_t ModifySettings = 12;
}  // namespace restorepointtype

// True only when the restore service took the request and answered status 0.
// Every failure, whatever its cause, is false; nothing is retried or shown.
bool MakeRestorePoint(ManagementService& management, const std::string& description, std::int32_t restorePointType);

// The existing restore points in the service's order, or why they could not be
// listed; what to show then is the caller's choice.
ManagementResult<std::vector<RestorePointRecord>> ListRestorePoints(ManagementService& management);

}  // namespace brivex
