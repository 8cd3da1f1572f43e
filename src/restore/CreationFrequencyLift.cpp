#include "restore/CreationFrequencyLift.h"

namespace brivex {

namespace {

constexpr char kSystemRestoreKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
constexpr char kFrequency[] = "SystemRestorePointCreationFrequency";
constexpr std::uint32_t kQueryAndSet = 0x3;  // KEY_QUERY_VALUE | KEY_SET_VALUE

RegKey OpenSystemRestoreKey(RegistryApi& registry) {
    RegKey key = 0;
    registry.OpenKey(regroot::LocalMachine, kSystemRestoreKey, 0, kQueryAndSet, key);
    return key;
}

}  // namespace

CreationFrequencyLift::CreationFrequencyLift(RegistryApi& registry) : registry_(registry) {
    const RegKey key = OpenSystemRestoreKey(registry_);
    if (!key) return;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const long probe = registry_.QueryValue(key, kFrequency, type, nullptr, size);
    Stored stored{type, std::vector<std::uint8_t>(size)};
    const long read = probe == regstatus::Success
                          ? registry_.QueryValue(key, kFrequency, stored.type, stored.bytes.data(), size)
                          : probe;
    // A value that cannot be read could not be put back: it is left alone.
    if (read == regstatus::Success || read == regstatus::FileNotFound) {
        if (read == regstatus::Success) {
            stored.bytes.resize(size);
            before_ = std::move(stored);
        }
        const std::uint8_t zero[4] = {};
        lifted_ = registry_.SetValue(key, kFrequency, regtype::Dword, zero, sizeof zero) == regstatus::Success;
    }
    registry_.CloseKey(key);
}

CreationFrequencyLift::~CreationFrequencyLift() {
    if (!lifted_) return;
    const RegKey key = OpenSystemRestoreKey(registry_);
    if (!key) return;
    if (before_)
        registry_.SetValue(key, kFrequency, before_->type, before_->bytes.data(),
                           static_cast<std::uint32_t>(before_->bytes.size()));
    else registry_.DeleteValue(key, kFrequency);
    registry_.CloseKey(key);
}

}  // namespace brivex
