#include "lang/LanguageSection.h"

#include <algorithm>

#include "base/Cp1252.h"
#include "base/ProfileText.h"

namespace brivex {

namespace {

// Room for any window's section, so that one call reads it.
constexpr std::uint32_t kFirstSectionBufferSize = 8192;
// The largest section the system's documentation promises to hand back.
constexpr std::uint32_t kLargestSectionBufferSize = 32767;

using profile::Trim;

}  // namespace

LanguageSection::LanguageSection(std::string_view lines) {
    while (!lines.empty()) {
        const std::string_view raw = lines.substr(0, lines.find('\0'));
        lines.remove_prefix(std::min(raw.size() + 1, lines.size()));
        // The profile functions drop blank lines.
        const std::string_view line = Trim(raw);
        if (line.empty()) continue;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) lines_.push_back({std::string(line), std::nullopt});
        else lines_.push_back({std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1)))});
    }
}

std::optional<LanguageSection> LanguageSection::Read(IniFile& ini, const std::string& section,
                                                     const std::string& file) {
    for (std::uint32_t size = kFirstSectionBufferSize;; size = std::min(2 * size, kLargestSectionBufferSize)) {
        const ProfileString got = ini.GetSection(section, size, file);
        // A full buffer may be a cut; only a larger one tells.
        if (got.count < profile::SectionRoom(size))
            return LanguageSection(std::string_view(got.buffer).substr(0, got.count));
        if (size == kLargestSectionBufferSize) return std::nullopt;
    }
}

// The first line of that name, as the system finds it.
const LanguageSection::Line* LanguageSection::Find(std::string_view key) const {
    const auto found = std::find_if(lines_.begin(), lines_.end(),
                                    [&](const Line& line) { return Cp1252EqualsIgnoreCase(line.name, key); });
    return found == lines_.end() ? nullptr : &*found;
}

bool LanguageSection::Holds(std::string_view key, std::string_view value) const {
    const Line* found = Find(key);
    return found && found->value == value;
}

std::optional<std::string> LanguageSection::Text(std::string_view key, std::string_view defaultValue,
                                                 std::uint32_t bufferSize) const {
    key = Trim(key);
    // The string call finds comment lines as keys; the section call leaves them out.
    if (key.starts_with(';')) return std::nullopt;
    const Line* found = Find(key);
    if (found && found->value) return profile::CopiedValue(*found->value, bufferSize, true);
    const std::string_view fallback = profile::DefaultText(defaultValue);
    // A file the system could not open gives the default with its quotes, a
    // missing section in one it could open without them, and both come back
    // as a section with no lines.
    if (lines_.empty() && profile::IsQuoted(fallback)) return std::nullopt;
    return profile::CopiedValue(fallback, bufferSize, true);
}

}  // namespace brivex
