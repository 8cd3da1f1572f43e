#include "registry/ApplyWrites.h"

#include <algorithm>
#include <string>

#include "registry/Reg.h"
#include "registry/UndoFile.h"

namespace brivex {

namespace {

bool Skipped(const RegistryWrite& write, const ApplyOptions& options) {
    return write.largeMemoryOnly && !options.largeMemory;
}

void SaveUndoFile(const Platform& platform, std::span<const RegistryWrite> writes, const ApplyOptions& options) {
    UndoFile undo(platform.registry, platform.ansi);
    for (const RegistryWrite& write : writes) {
        if (Skipped(write, options)) continue;
        if (write.RemovesKey())
            undo.RecordKeyRemoval(write.root, std::string(write.key));
        else
            undo.RecordValue(write.root, std::string(write.key), std::string(write.valueName));
    }
    for (const RegistryValuePath& value : options.alsoUndone)
        undo.RecordValue(value.root, std::string(value.key), std::string(value.valueName));
    undo.Save(platform.userFiles, platform.system.Now());
}

RegistryData DataOf(const RegistryWrite& write, std::int32_t pageLockValue) {
    if (const auto* text = std::get_if<std::string_view>(&write.data)) return std::string(*text);
    if (const auto* number = std::get_if<std::int32_t>(&write.data)) return *number;
    return pageLockValue;
}

bool Write(Reg& reg, std::span<const RegistryWrite> writes, const ApplyOptions& options) {
    bool wrote = false;
    for (const RegistryWrite& write : writes) {
        if (Skipped(write, options)) continue;
        const RegistryData data = write.RemovesKey() ? RegistryData() : DataOf(write, options.pageLockValue);
        const long status = write.RemovesKey() ? reg.DeleteKey(write.root, std::string(write.key))
                                               : reg.WriteValue(write.root, std::string(write.key),
                                                                std::string(write.valueName), data,
                                                                static_cast<std::int32_t>(write.Type()));
        if (options.onWrite) options.onWrite(write, data, status);
        wrote = true;
    }
    return wrote;
}

}  // namespace

bool ApplyWrites(const Platform& platform, std::span<const RegistryWrite> writes, const ApplyOptions& options) {
    // Every row's state goes into the file before the first of them changes.
    SaveUndoFile(platform, writes, options);
    Reg reg(platform.registry, platform.ansi);
    const std::size_t pauseAt = std::min(options.pauseAt, writes.size());
    const bool wroteBefore = Write(reg, writes.first(pauseAt), options);
    if (options.pause) options.pause();
    const bool wroteAfter = Write(reg, writes.subspan(pauseAt), options);
    return wroteBefore || wroteAfter;
}

}  // namespace brivex
