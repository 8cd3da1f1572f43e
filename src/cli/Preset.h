#pragma once
// The preset file: which of the sixteen behaviours to switch off, switch on or
// keep as they are. An initialisation-style text, read only in its [Tweaks]
// section, one "name = value" line per behaviour, the name being the
// behaviour's identifier or its check box's name (BrivexCB12 is NumLock). A
// preset is refused as a whole, before anything is written, at the first line
// it cannot take.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tweaks/TweakCatalogue.h"
#include "tweaks/TweakState.h"

namespace brivex {

enum class PresetValue { Off, On, Keep };

// What the file asks of each behaviour of the catalogue, in its order; nothing
// where the file does not name it.
struct Preset {
    std::array<std::optional<PresetValue>, kTweakCount> values{};
};

// Files over this many bytes are refused without being read.
inline constexpr std::size_t kMaxPresetBytes = 1024 * 1024;

enum class PresetFault { None, TooLarge, NoTweaksSection, NotAssignment, UnknownName, BadValue, Duplicate };

struct PresetReading {
    Preset preset;
    PresetFault fault = PresetFault::None;
    int line = 0;          // 1 for the first line; 0 where no line is at fault
    std::string lineText;  // that line as the file holds it, in UTF-8
    int firstNamedAt = 0;  // for a duplicate: the line that named the behaviour first
};

// The file's bytes: UTF-8 with or without a byte-order mark, UTF-16 with one,
// or else Windows-1252.
PresetReading ReadPreset(std::string_view bytes);

// The catalogue entry named by an identifier or a check box name, in any letter case.
std::optional<std::size_t> FindBehaviour(std::string_view name);

std::string_view PresetWord(PresetValue value);

// The preset of the states given, in catalogue order, as /export writes it:
// UTF-8 with a byte-order mark and Windows line ends, each behaviour under
// its panel caption, and "keep" where the state is unknown.
std::string WritePreset(std::span<const TweakState, kTweakCount> states);

}  // namespace brivex
