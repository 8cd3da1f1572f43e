#include "registry/ApplyWrites.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "registry/Reg.h"
#include "registry/UndoFile.h"

namespace brivex {

namespace {

// The kernel reads these values as numbers only: a text there counts as no value.
std::optional<std::uint32_t> NumberThere(Reg& reg, const RegistryWrite& write) {
    const RegistryData now = reg.ReadValue(write.root, std::string(write.key), std::string(write.valueName));
    if (!now.IsNumber()) return std::nullopt;
    return static_cast<std::uint32_t>(now.Number());
}

bool Holds(Reg& reg, const RegistryWrite& write, const ApplyOptions& options) {
    switch (write.condition) {
        case WriteCondition::Always: return true;
        case WriteCondition::LargeMemory: return options.largeMemory;
        case WriteCondition::OutsideDomain: return !options.joinedToDomain;
        case WriteCondition::NotSystemManaged: {
            const std::optional<std::uint32_t> now = NumberThere(reg, write);
            return !now || (*now & 0x80000000u) == 0;
        }
        case WriteCondition::NotPerVolume: {
            const std::optional<std::uint32_t> now = NumberThere(reg, write);
            return !now || (*now != 2 && *now != 3);
        }
    }
    return true;
}

RegistryData DataOf(const RegistryWrite& write, std::int32_t pageLockValue) {
    if (const auto* text = std::get_if<std::string_view>(&write.data)) return std::string(*text);
    if (const auto* number = std::get_if<std::int32_t>(&write.data)) return *number;
    return pageLockValue;
}

long Make(Reg& reg, const RegistryWrite& write, const RegistryData& data) {
    if (write.RemovesKey()) return reg.DeleteKey(write.root, std::string(write.key));
    return reg.WriteValue(write.root, std::string(write.key), std::string(write.valueName), data,
                          static_cast<std::int32_t>(write.Type()));
}

void Write(Reg& reg, const RegistryWrite& write, const ApplyOptions& options) {
    const RegistryData data = write.RemovesKey() ? RegistryData() : DataOf(write, options.pageLockValue);
    const long status = options.dryRun ? regstatus::Success : Make(reg, write, data);
    if (options.onWrite) options.onWrite(write, data, status);
}

}  // namespace

bool ApplyWrites(const Platform& platform, std::span<const RegistryWrite> writes, const ApplyOptions& options) {
    Reg reg(platform.registry, platform.ansi);
    // Every condition is settled, and every row's state is in the file, before the first row changes anything.
    std::vector<bool> made(writes.size());
    UndoFile undo(platform.registry, platform.ansi);
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const RegistryWrite& write = writes[i];
        made[i] = Holds(reg, write, options);
        if (!made[i]) {
            if (options.onSkip) undo.Note(options.onSkip(write, write.condition));
        } else if (write.RemovesKey()) {
            undo.RecordKeyRemoval(write.root, std::string(write.key));
        } else {
            undo.RecordValue(write.root, std::string(write.key), std::string(write.valueName));
        }
    }
    for (const RegistryValuePath& value : options.alsoUndone)
        undo.RecordValue(value.root, std::string(value.key), std::string(value.valueName));
    if (!options.dryRun) {
        const std::string undoPath = undo.Save(platform.userFiles, platform.system.Now());
        if (options.onUndoFile) options.onUndoFile(undoPath);
    }

    const std::size_t pauseAt = std::min(options.pauseAt, writes.size());
    bool wrote = false;
    for (std::size_t i = 0; i <= writes.size(); ++i) {
        if (i == pauseAt && options.pause && !options.dryRun) options.pause();
        if (i == writes.size() || !made[i]) continue;
        Write(reg, writes[i], options);
        wrote = !options.dryRun;
    }
    return wrote;
}

}  // namespace brivex
