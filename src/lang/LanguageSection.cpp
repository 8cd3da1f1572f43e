#include "lang/LanguageSection.h"

#include <algorithm>

#include "base/Cp1252.h"

namespace brivex {

namespace {

// Room for any window's section, so that one call reads it.
constexpr std::uint32_t kFirstSectionBufferSize = 8192;
// The largest section the system's documentation promises to hand back.
constexpr std::uint32_t kLargestSectionBufferSize = 32767;

// The profile functions' blanks: white space and Ctrl+Z, the old end-of-file mark.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsQuoted(std::string_view text) {
    return text.size() > 1 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
}

// A default loses its trailing spaces, though never its first character.
std::string_view DefaultText(std::string_view value) {
    const auto last = value.find_last_not_of(' ');
    return value.substr(0, last == std::string_view::npos ? std::min<std::size_t>(value.size(), 1) : last + 1);
}

// The string call's copy into the buffer: one pair of enclosing quotes goes,
// the closing one taken off the copy whenever the buffer could hold the rest
// of the value, even when the cut already dropped it.
std::string CopyToBuffer(std::string_view value, std::uint32_t size) {
    if (size == 0) return {};
    const bool quoted = IsQuoted(value);
    if (quoted) value.remove_prefix(1);
    std::string_view copied = value.substr(0, size - 1);
    if (quoted && size >= value.size() && !copied.empty()) copied.remove_suffix(1);
    return std::string(copied);
}

}  // namespace

LanguageSection::LanguageSection(std::string_view lines) {
    while (!lines.empty()) {
        const std::string_view raw = lines.substr(0, lines.find('\0'));
        lines.remove_prefix(std::min(raw.size() + 1, lines.size()));
        // The profile functions drop blank lines.
        const std::string_view line = Trim(raw);
        if (line.empty()) continue;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            lines_.push_back({std::string(line), std::nullopt});
        else
            lines_.push_back({std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1)))});
    }
}

std::optional<LanguageSection> LanguageSection::Read(IniFile& ini, const std::string& section,
                                                     const std::string& file) {
    for (std::uint32_t size = kFirstSectionBufferSize;; size = std::min(2 * size, kLargestSectionBufferSize)) {
        const ProfileString got = ini.GetSection(section, size, file);
        // A count of size - 2 may be a cut; only a larger buffer tells.
        if (got.count + 2 < size) return LanguageSection(std::string_view(got.buffer).substr(0, got.count));
        if (size == kLargestSectionBufferSize) return std::nullopt;
    }
}

bool LanguageSection::Holds(std::string_view key, std::string_view value) const {
    const auto found = std::find_if(lines_.begin(), lines_.end(),
                                    [&](const Line& line) { return Cp1252EqualsIgnoreCase(line.name, key); });
    return found != lines_.end() && found->value == value;
}

std::optional<std::string> LanguageSection::Text(std::string_view key, std::string_view defaultValue,
                                                 std::uint32_t bufferSize) const {
    key = Trim(key);
    // The string call finds comment lines as keys; the section call leaves them out.
    if (key.starts_with(';')) return std::nullopt;
    const auto found = std::find_if(lines_.begin(), lines_.end(),
                                    [&](const Line& line) { return Cp1252EqualsIgnoreCase(line.name, key); });
    if (found != lines_.end() && found->value) return CopyToBuffer(*found->value, bufferSize);
    const std::string_view fallback = DefaultText(defaultValue);
    // A file the system could not open gives the default with its quotes, a
    // missing section in one it could open without them, and both come back
    // as a section with no lines.
    if (lines_.empty() && IsQuoted(fallback)) return std::nullopt;
    return CopyToBuffer(fallback, bufferSize);
}

}  // namespace brivex
