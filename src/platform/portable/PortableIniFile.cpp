#include "platform/portable/PortableIniFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "base/Cp1252.h"

namespace brivex {

namespace {

namespace fs = std::filesystem;

// A file as the system holds it between reading and rewriting: every line
// trimmed, blank lines gone, the lines before the first header in a nameless
// section. A line without "=" keeps its place but has no value, so a lookup
// that reaches it gets the default.
struct Entry {
    std::string name;
    std::optional<std::string> value;
};

struct Section {
    std::string name;
    std::vector<Entry> entries;
};

using Profile = std::vector<Section>;

// White space and Ctrl+Z, the old end-of-file mark.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

// A header's name runs to the last "]" on its line; a line with none is an entry.
std::optional<std::string_view> SectionHeader(std::string_view line) {
    if (line.front() != '[') return std::nullopt;
    const auto close = line.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

Entry ParseEntry(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return {std::string(line), std::nullopt};
    return {std::string(TrimRight(line.substr(0, equals))), std::string(TrimLeft(line.substr(equals + 1)))};
}

Profile Parse(std::string_view text) {
    Profile profile(1);
    while (!text.empty()) {
        const auto end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty()) continue;
        if (const auto header = SectionHeader(line))
            profile.push_back({std::string(*header), {}});
        else
            profile.back().entries.push_back(ParseEntry(line));
    }
    return profile;
}

std::string Serialise(const Profile& profile) {
    std::string text;
    for (const Section& section : profile) {
        if (!section.name.empty()) {
            text += '[';
            text += section.name;
            text += "]\r\n";
        }
        for (const Entry& entry : section.entries) {
            text += entry.name;
            if (entry.value) {
                text += '=';
                text += *entry.value;
            }
            text += "\r\n";
        }
    }
    return text;
}

// Stored names lost their surrounding blanks when read.
Section* FindSectionNamed(Profile& profile, std::string_view name) {
    const auto found = std::find_if(profile.begin(), profile.end(),
                                    [&](const Section& s) { return Cp1252EqualsIgnoreCase(s.name, name); });
    return found == profile.end() ? nullptr : &*found;
}

// Names asked for a string lose their surrounding blanks; a name asked for a
// whole section is taken as it is.
Section* FindSection(Profile& profile, std::string_view name) {
    return FindSectionNamed(profile, Trim(name));
}

std::vector<Entry>::iterator FindEntry(Section& section, std::string_view name) {
    name = Trim(name);
    return std::find_if(section.entries.begin(), section.entries.end(),
                        [&](const Entry& e) { return Cp1252EqualsIgnoreCase(e.name, name); });
}

const Entry* Lookup(Profile& profile, std::string_view section, std::string_view key) {
    Section* found = FindSection(profile, section);
    if (!found) return nullptr;
    const auto entry = FindEntry(*found, key);
    return entry == found->entries.end() ? nullptr : &*entry;
}

// A written name or value loses only its leading blanks: the trailing ones
// reach the file and go when it is next read. Returns whether anything changed.
bool SetEntry(Profile& profile, std::string_view section, std::string_view key, std::string_view value) {
    value = TrimLeft(value);
    Section* target = FindSection(profile, section);
    if (!target) target = &profile.emplace_back(Section{std::string(TrimLeft(section)), {}});
    auto entry = FindEntry(*target, key);
    if (entry == target->entries.end())
        entry = target->entries.insert(target->entries.end(), Entry{std::string(TrimLeft(key)), std::nullopt});
    if (entry->value == value) return false;
    entry->value = std::string(value);
    return true;
}

bool DeleteEntry(Profile& profile, std::string_view section, std::string_view key) {
    Section* target = FindSection(profile, section);
    if (!target) return false;
    const auto entry = FindEntry(*target, key);
    if (entry == target->entries.end()) return false;
    target->entries.erase(entry);
    return true;
}

fs::path ToPath(const std::string& ansi) {
    const std::string utf8 = Cp1252ToUtf8(ansi);
    std::u8string text(utf8.begin(), utf8.end());
    std::replace(text.begin(), text.end(), u8'\\', u8'/');
    return fs::path(text);
}

// A file that does not exist reads as empty; one that cannot exist (its
// folder is missing, or the path is a folder) gives no profile at all.
std::optional<Profile> Load(const fs::path& path) {
    std::error_code error;
    if (!fs::is_directory(path.parent_path(), error) || fs::is_directory(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    return Parse(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

bool Save(const fs::path& path, const Profile& profile) {
    const std::string text = Serialise(profile);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return !out.fail();
}

// The system drops a default's trailing spaces, though never its first character.
std::string_view DefaultText(std::string_view value) {
    const auto last = value.find_last_not_of(' ');
    return value.substr(0, last == std::string_view::npos ? std::min<std::size_t>(value.size(), 1) : last + 1);
}

// One pair of enclosing quotes goes; the closing one is taken off the copy
// whenever the buffer could hold the rest of the value, even when the cut
// already dropped it, so a quoted value one longer than the buffer loses its
// last character too.
ProfileString CopyToBuffer(std::string_view value, std::uint32_t size, bool unquote) {
    ProfileString result{std::string(size, '\0'), 0};
    if (size == 0) return result;
    const bool quoted =
        unquote && value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (quoted) value.remove_prefix(1);
    std::string_view copied = value.substr(0, size - 1);
    if (quoted && size >= value.size() && !copied.empty()) copied.remove_suffix(1);
    copied.copy(result.buffer.data(), copied.size());
    result.count = static_cast<std::uint32_t>(copied.size());
    return result;
}

// The lines as the section call hands them back: trimmed, blanks around the
// first "=" gone, quotes kept, comments left out, a line without "=" kept.
std::string SectionLines(const Section& section) {
    std::string lines;
    for (const Entry& entry : section.entries) {
        if (entry.name.starts_with(';')) continue;
        lines += entry.name;
        if (entry.value) {
            lines += '=';
            lines += *entry.value;
        }
        lines += '\0';
    }
    return lines;
}

// What fits before the two closing NULs: all of it, or the cut the caller sees
// by a count of bufferSize - 2.
ProfileString CopySectionToBuffer(std::string_view lines, std::uint32_t size) {
    ProfileString result{std::string(size, '\0'), 0};
    const std::string_view copied = lines.substr(0, size < 2 ? 0 : size - 2);
    copied.copy(result.buffer.data(), copied.size());
    result.count = static_cast<std::uint32_t>(copied.size());
    return result;
}

}  // namespace

ProfileString PortableIniFile::GetString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue, std::uint32_t bufferSize,
                                         const std::string& file) {
    const std::string_view fallback = DefaultText(defaultValue);
    if (auto profile = Load(ToPath(file))) {
        const Entry* entry = Lookup(*profile, section, key);
        return CopyToBuffer(entry && entry->value ? std::string_view(*entry->value) : fallback, bufferSize, true);
    }
    // A file that cannot be opened gives the default as it is, quotes and all.
    return CopyToBuffer(fallback, bufferSize, false);
}

ProfileString PortableIniFile::GetSection(const std::string& section, std::uint32_t bufferSize,
                                          const std::string& file) {
    std::string lines;
    if (auto profile = Load(ToPath(file)))
        if (const Section* found = FindSectionNamed(*profile, section)) lines = SectionLines(*found);
    return CopySectionToBuffer(lines, bufferSize);
}

std::int32_t PortableIniFile::WriteString(const std::string& section, const std::string& key,
                                          const std::optional<std::string>& value, const std::string& file) {
    const fs::path path = ToPath(file);
    auto profile = Load(path);
    if (!profile) return 0;
    const bool changed = value ? SetEntry(*profile, section, key, *value) : DeleteEntry(*profile, section, key);
    return !changed || Save(path, *profile) ? 1 : 0;
}

}  // namespace brivex
