#pragma once
// The fixed list of registry values the one-click optimisation writes, in the
// order it writes them: shutdown and hang timeouts, memory management, file
// system, Office error reporting, three services switched off, and one key
// removed. Rows whose key does not exist on a machine simply write nothing.

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "platform/RegistryApi.h"

namespace brivex {

// The memory-dependent value of the page-lock rows, computed when the list runs.
struct PageLockValue {};
// The row removes its whole key instead of writing a value.
struct WholeKey {};

struct RegistryChange {
    RegKey root;
    std::string_view key;
    std::string_view valueName;
    std::int32_t type;  // 1 text, 4 number; 0 for the key removal
    std::variant<std::string_view, std::int32_t, PageLockValue, WholeKey> data;
    bool largeMemoryOnly = false;  // written only on machines with more than 1 GB
};

// The list, in order, in the two runs the user's clean-up choices (recent documents,
// clipboard) come between.
std::span<const RegistryChange> RegistryChangesBeforeCleanUp();
std::span<const RegistryChange> RegistryChangesAfterCleanUp();

// Page-lock rows from the physical memory in bytes: m = megabytes + 1 (rounded
// as a whole number); its hexadecimal digits read as a decimal number, times
// 64. Digits with a letter among them give 0.
std::int32_t PageLockValueFor(std::uint64_t physicalBytes);
// The memory in megabytes plus one, the figure both rules start from.
std::int64_t MemoryFigure(std::uint64_t physicalBytes);
// Whether the rows for large memory are written.
bool WritesDisablePagingExecutive(std::uint64_t physicalBytes);

}  // namespace brivex
