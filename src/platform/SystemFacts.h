#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brivex {

struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Byte counts, and the share of physical memory in use in percent.
struct MemoryStatus {
    std::uint32_t memoryLoad = 0;
    std::uint64_t totalPhysical = 0;
    std::uint64_t availablePhysical = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availablePageFile = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availableVirtual = 0;
};

// Facts about the machine and the running program.
class SystemFacts {
public:
    virtual ~SystemFacts() = default;
    // The version query's platform identifier (0 Win32s, 1 Windows 9x, 2 NT); empty when the query fails.
    virtual std::optional<int> PlatformId() = 0;
    // The running executable's folder, without a trailing backslash (but "C:\" for a drive root).
    virtual std::string ApplicationFolder() = 0;
    virtual std::string WindowsFolder() = 0;
    // True when another instance of the program already runs; the first call
    // claims the program's single-instance token for this process.
    virtual bool PreviousInstance() = 0;
    virtual LocalTime Now() = 0;
    virtual MemoryStatus Memory() = 0;
    virtual char DecimalSeparator() = 0;
    // The month's full name in the user's language, month 1 to 12.
    virtual std::string MonthName(int month) = 0;
    // The name of the account the process runs as ("SYSTEM" for the system's own).
    virtual std::string UserName() = 0;
    // True when the machine is joined to a domain; false in a workgroup, or
    // when the system cannot tell.
    virtual bool JoinedToDomain() = 0;
};

}  // namespace brivex
