#pragma once
// What /json prints in place of the lines: one object per run, in the same
// English words whatever the language chosen, so that a script reads it on any
// machine. Non-ASCII characters are escaped, so the object reaches the caller
// unchanged through any code page.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/Preset.h"
#include "tweaks/TweakRun.h"
#include "tweaks/TweakState.h"

namespace brivex {

// Every behaviour the preset sets to off or on, with the state found.
std::string CheckJson(std::string_view account, const Preset& preset, std::span<const TweakState, kTweakCount> states,
                      int exitCode);

// Every behaviour the preset names: applied, refused (a write refused, or none
// of its keys on this Windows) or kept.
struct TweaksJsonFacts {
    std::string_view account;
    bool restorePoint = false;  // a restore point was made
    std::string_view undoFile;  // empty when none was written
};
std::string TweaksJson(const TweaksJsonFacts& facts, const Preset& preset,
                       std::span<const std::optional<TweakOutcome>, kTweakCount> outcomes, int exitCode);

// A run that ended before its result: the lines it would have printed.
std::string FailureJson(std::string_view command, int exitCode, std::span<const std::string> messages);

}  // namespace brivex
