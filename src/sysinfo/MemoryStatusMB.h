#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/SystemFacts.h"

namespace brivex {

// The memory status in megabytes, rounded to the nearest with ties to even;
// the load in percent as the system gives it.
struct MemoryStatusMB {
    std::int32_t MemoryLoad = 0;
    std::int32_t TotalPhysical = 0;
    std::int32_t AvailablePhysical = 0;
    std::int32_t TotalPageFile = 0;
    std::int32_t AvailablePageFile = 0;
    std::int32_t TotalVirtual = 0;
    std::int32_t AvailableVirtual = 0;
};

MemoryStatusMB ReadMemoryStatus(SystemFacts& system);

// What one refresh of the memory panel shows, computed from the status in
// megabytes and the raw byte counts of physical memory.
struct MemoryFigures {
    // The physical total in whole megabytes, one added: the value the PC panel shows too.
    float totalPhysical = 0;
    std::string physicalTotal;
    std::string physicalUsed;
    std::string physicalFree;  // one decimal
    std::int32_t physicalFreeGauge = 0;
    // Virtual memory total, free and used, then the paging file's.
    std::array<std::string, 6> virtualAndPaging;
    std::string virtualFreePercent;
    std::string pagingFreePercent;
    std::int32_t virtualFreeGauge = 0;
    std::int32_t pagingFreeGauge = 0;
};

MemoryFigures ComputeMemoryFigures(const MemoryStatusMB& status, const MemoryStatus& raw, char decimalSeparator);

}  // namespace brivex
