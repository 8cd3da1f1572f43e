#pragma once
// Applying a fixed list of registry writes, the same with a window or without:
// first the conditions of the rows that depend on the machine, then the undo
// file of everything the list is about to change, then the writes in order
// through the registry module, which says nothing of a key that is missing or
// forbidden. A restore point, when one is asked for, is the caller's, before this.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "registry/RegistryData.h"
#include "registry/RegistryWrite.h"

namespace brivex {

// A value the caller writes itself, after the list, that the undo file brings back too.
struct RegistryValuePath {
    RegKey root = 0;
    std::string_view key;
    std::string_view valueName;
};

// Told of each row as it is made: the data it wrote (nothing for a key
// removal) and the registry's status (0: done).
using WriteObserver = std::function<void(const RegistryWrite& write, const RegistryData& data, long status)>;
// Told of each row left unmade, with its condition that does not hold, before
// anything is written; the text it gives back, when not empty, goes into the
// undo file as a comment, so the file says which values stayed as they were.
using SkipObserver = std::function<std::string(const RegistryWrite& write, WriteCondition unmet)>;

struct ApplyOptions {
    // What the rows that depend on the machine take. The conditions on the
    // value a row would replace are read from the registry.
    std::int32_t pageLockValue = 0;
    bool largeMemory = false;
    bool joinedToDomain = false;
    std::span<const RegistryValuePath> alsoUndone{};
    // A step of the caller's own, run once between the writes before `pauseAt` and the others.
    std::size_t pauseAt = 0;
    std::function<void()> pause{};
    WriteObserver onWrite{};
    SkipObserver onSkip{};
    // Told the undo file's path once it is saved; empty when it could not be.
    std::function<void(const std::string& path)> onUndoFile{};
    // Nothing changes and no undo file is written: each row that would be made
    // is told through onWrite, with status 0, and each row left through onSkip.
    bool dryRun = false;
};

// Whether the list made any write: every row it did not skip counts, a write
// into a missing key too, as the registry module does not tell them apart. A
// dry run makes none.
bool ApplyWrites(const Platform& platform, std::span<const RegistryWrite> writes, const ApplyOptions& options = {});

}  // namespace brivex
