#pragma once

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
    float total = 0;
    std::string Label32;  // total
    std::string Label33;  // used
    std::string Label34;  // free, one decimal
    std::int32_t freeGauge = 0;
    std::string l[6];     // virtual total, free, used; paging file total, free, used
    std::string Label25;  // virtual space free, percent
    std::string Label26;  // paging file free, percent
    std::int32_t PB1 = 0;
    std::int32_t PB2 = 0;
};

MemoryFigures ComputeMemoryFigures(const MemoryStatusMB& status, const MemoryStatus& raw, char decimalSeparator);

}  // namespace brivex
