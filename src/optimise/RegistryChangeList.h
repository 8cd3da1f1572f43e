#pragma once
// The fixed list of registry values the one-click optimisation writes, in the
// order it writes them: shutdown and hang timeouts, memory management, file
// system, Office error reporting, three services switched off, and one key
// removed. Rows whose key does not exist on a machine simply write nothing.

#include <cstddef>
#include <cstdint>
#include <span>

#include "registry/RegistryWrite.h"

namespace brivex {

// The list, in order. The page-lock rows take their number from the memory;
// the DisablePagingExecutive row is written only on large memory, the time
// service's only outside a domain, and the file system's last-access and
// short-name rows only while Windows does not manage those values itself.
std::span<const RegistryWrite> RegistryChanges();
// The user's clean-up choices (recent documents, clipboard) come between this
// many rows and the last four.
inline constexpr std::size_t kRowsBeforeCleanUp = 52;

// Page-lock rows from the physical memory in bytes: m = megabytes + 1 (rounded
// as a whole number); its hexadecimal digits read as a decimal number, times
// 64. Digits with a letter among them give 0.
std::int32_t PageLockValueFor(std::uint64_t physicalBytes);
// The memory in megabytes plus one, the figure both rules start from.
std::int64_t MemoryFigure(std::uint64_t physicalBytes);
// Whether the rows for large memory are written.
bool WritesDisablePagingExecutive(std::uint64_t physicalBytes);

}  // namespace brivex
