// The preset reader on any bytes: never a crash; a refusal at a line names a
// line the file has, and a refusal of the whole file none; a text in ASCII
// reads the same in every encoding the reader takes; and what /export writes,
// from the states of a preset read or from any states, reads back as those
// states.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "FuzzRequire.h"
#include "base/Unicode.h"
#include "cli/Preset.h"

namespace brivex::fuzzing {
namespace {

using States = std::array<TweakState, kTweakCount>;

bool Same(const PresetReading& a, const PresetReading& b) {
    return a.fault == b.fault && a.line == b.line && a.lineText == b.lineText && a.firstNamedAt == b.firstNamedAt &&
           a.preset.values == b.preset.values;
}

void CheckWrittenBack(const States& states) {
    const PresetReading back = ReadPreset(WritePreset(states));
    FUZZ_REQUIRE(back.fault == PresetFault::None);
    for (std::size_t i = 0; i < kTweakCount; ++i) {
        const PresetValue expected = states[i] == TweakState::SwitchedOff  ? PresetValue::Off
                                     : states[i] == TweakState::SwitchedOn ? PresetValue::On
                                                                           : PresetValue::Keep;
        FUZZ_REQUIRE(back.preset.values[i] == expected);
    }
}

States StatesOf(const Preset& preset) {
    States states;
    for (std::size_t i = 0; i < kTweakCount; ++i)
        states[i] = preset.values[i] == PresetValue::Off  ? TweakState::SwitchedOff
                    : preset.values[i] == PresetValue::On ? TweakState::SwitchedOn
                                                          : TweakState::Unknown;
    return states;
}

States StatesFrom(std::string_view bytes) {
    States states{};
    for (std::size_t i = 0; i < kTweakCount; ++i)
        states[i] = static_cast<TweakState>(i < bytes.size() ? static_cast<unsigned char>(bytes[i]) % 3 : 2);
    return states;
}

void CheckReading(std::string_view bytes, const PresetReading& reading) {
    const bool lineFault = reading.fault != PresetFault::None && reading.fault != PresetFault::TooLarge &&
                           reading.fault != PresetFault::NoTweaksSection;
    FUZZ_REQUIRE((reading.fault == PresetFault::TooLarge) == (bytes.size() > kMaxPresetBytes));
    if (!lineFault) {
        FUZZ_REQUIRE(reading.line == 0 && reading.lineText.empty() && reading.firstNamedAt == 0);
        return;
    }
    // Whatever the encoding, each line of the text ends at a byte 0x0A of the file.
    FUZZ_REQUIRE(reading.line >= 1 && reading.line <= std::ranges::count(bytes, '\n') + 1);
    FUZZ_REQUIRE(reading.lineText.find_first_not_of(" \t") != std::string::npos);
    if (reading.fault == PresetFault::Duplicate)
        FUZZ_REQUIRE(reading.firstNamedAt >= 1 && reading.firstNamedAt < reading.line);
    else FUZZ_REQUIRE(reading.firstNamedAt == 0);
}

void CheckEncodings(std::string_view ascii, const PresetReading& reading) {
    std::string utf16Be = Utf8ToUtf16Le(ascii);
    for (std::size_t i = 0; i + 1 < utf16Be.size(); i += 2) std::swap(utf16Be[i], utf16Be[i + 1]);
    for (const std::string& encoded :
         {"\xEF\xBB\xBF" + std::string(ascii), "\xFF\xFE" + Utf8ToUtf16Le(ascii), "\xFE\xFF" + utf16Be})
        FUZZ_REQUIRE(Same(ReadPreset(encoded), reading));
}

}  // namespace
}  // namespace brivex::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brivex;
    using namespace brivex::fuzzing;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const PresetReading reading = ReadPreset(bytes);
    CheckReading(bytes, reading);
    if (std::ranges::all_of(bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        CheckEncodings(bytes, reading);
    if (reading.fault == PresetFault::None) CheckWrittenBack(StatesOf(reading.preset));
    CheckWrittenBack(StatesFrom(bytes));
    return 0;
}
