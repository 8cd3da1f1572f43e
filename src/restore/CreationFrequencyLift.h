#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/RegistryApi.h"

namespace brivex {

// Since Windows 8 the restore service makes no new point while another is
// younger than "SystemRestorePointCreationFrequency" minutes (1440 when the
// value is absent), and still answers success. For as long as one object of
// this class lives the value is 0, so the program's one request is not held
// back; then the value is put back exactly as it was, type and bytes, and an
// absent value is removed again. Without the key, or without the rights to
// write it, nothing changes and the request takes its chances.
class CreationFrequencyLift {
public:
    explicit CreationFrequencyLift(RegistryApi& registry);
    CreationFrequencyLift(const CreationFrequencyLift&) = delete;
    CreationFrequencyLift& operator=(const CreationFrequencyLift&) = delete;
    ~CreationFrequencyLift();

private:
    struct Stored {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> bytes;
    };

    RegistryApi& registry_;
    bool lifted_ = false;
    std::optional<Stored> before_;  // nothing: the value was absent
};

}  // namespace brivex
