#include "cli/Preset.h"

#include <algorithm>
#include <vector>

#include "base/Cp1252.h"
#include "base/Unicode.h"

namespace brivex {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kSection = "Tweaks";

std::string_view Trim(std::string_view text) {
    const std::size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(kBlanks) + 1 - start);
}

bool SameWord(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

std::string SwapUtf16Bytes(std::string_view bytes) {
    std::string swapped(bytes.substr(0, bytes.size() & ~std::size_t{1}));
    for (std::size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
    return swapped;
}

std::string ToUtf8(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) return std::string(bytes.substr(kUtf8Mark.size()));
    if (bytes.starts_with(kUtf16LeMark)) return Utf16LeToUtf8(bytes.substr(kUtf16LeMark.size()));
    if (bytes.starts_with(kUtf16BeMark)) return Utf16LeToUtf8(SwapUtf16Bytes(bytes.substr(kUtf16BeMark.size())));
    return IsUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

std::optional<PresetValue> ValueNamed(std::string_view word) {
    for (const PresetValue value : {PresetValue::Off, PresetValue::On, PresetValue::Keep})
        if (SameWord(word, PresetWord(value))) return value;
    return std::nullopt;
}

PresetReading Refused(PresetFault fault, int line = 0, std::string_view text = {}) {
    PresetReading reading;
    reading.fault = fault;
    reading.line = line;
    reading.lineText = text;
    return reading;
}

}  // namespace

std::optional<std::size_t> FindBehaviour(std::string_view name) {
    const auto catalogue = TweakCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const std::string box = "BrivexCB" + std::to_string(catalogue[i].box);
        if (SameWord(name, catalogue[i].id) || SameWord(name, box)) return i;
    }
    return std::nullopt;
}

std::string_view PresetWord(PresetValue value) {
    return value == PresetValue::Off ? "off" : value == PresetValue::On ? "on" : "keep";
}

PresetReading ReadPreset(std::string_view bytes) {
    if (bytes.size() > kMaxPresetBytes) return Refused(PresetFault::TooLarge);
    const std::string text = ToUtf8(bytes);
    PresetReading reading;
    std::array<int, kTweakCount> namedAt{};
    bool inTweaks = false;
    bool sawTweaks = false;
    int number = 0;
    for (const std::string_view line : Lines(text)) {
        ++number;
        const std::string_view content = Trim(line);
        if (content.empty() || content.starts_with(';')) continue;
        if (content.starts_with('[') && content.ends_with(']')) {
            inTweaks = SameWord(Trim(content.substr(1, content.size() - 2)), kSection);
            sawTweaks = sawTweaks || inTweaks;
            continue;
        }
        if (!inTweaks) continue;
        const std::size_t equals = content.find('=');
        const std::string_view name = Trim(content.substr(0, equals));
        if (equals == std::string_view::npos || name.empty()) return Refused(PresetFault::NotAssignment, number, line);
        const std::optional<std::size_t> entry = FindBehaviour(name);
        if (!entry) return Refused(PresetFault::UnknownName, number, line);
        const std::optional<PresetValue> value = ValueNamed(Trim(content.substr(equals + 1)));
        if (!value) return Refused(PresetFault::BadValue, number, line);
        if (namedAt[*entry] != 0) {
            PresetReading duplicate = Refused(PresetFault::Duplicate, number, line);
            duplicate.firstNamedAt = namedAt[*entry];
            return duplicate;
        }
        namedAt[*entry] = number;
        reading.preset.values[*entry] = value;
    }
    if (!sawTweaks) return Refused(PresetFault::NoTweaksSection);
    return reading;
}

std::string WritePreset(std::span<const TweakState, kTweakCount> states) {
    std::string text(kUtf8Mark);
    text += "; Brivex Doziv — préréglage des comportements\r\n[Tweaks]\r\n";
    const auto catalogue = TweakCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        text += "; ";
        text += catalogue[i].caption;
        text += "\r\n";
        PresetValue value = PresetValue::Keep;
        if (states[i] == TweakState::SwitchedOff) value = PresetValue::Off;
        if (states[i] == TweakState::SwitchedOn) value = PresetValue::On;
        if (value == PresetValue::Keep) text += "; état actuel inconnu\r\n";
        text += catalogue[i].id;
        text += " = ";
        text += PresetWord(value);
        text += "\r\n";
    }
    return text;
}

}  // namespace brivex
