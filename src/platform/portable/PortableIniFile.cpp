#include "platform/portable/PortableIniFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "base/Cp1252.h"
#include "base/ProfileText.h"
#include "base/Unicode.h"

namespace brivex {

namespace {

namespace fs = std::filesystem;

// A file as the system holds it between reading and rewriting: every line
// trimmed, blank lines gone, the lines before the first header in a nameless
// section. A line without "=" keeps its place but has no value, so a lookup
// that reaches it gets the default. The text is held in UTF-8 whatever the
// file's encoding, so that a rewrite keeps every character a file in UTF-16
// holds; names and values cross the interface in the ANSI code page. A NUL
// byte stays where the file has it, but a name or value ends there for every
// lookup, as the calls take and give C strings.
struct Entry {
    std::string name;
    std::optional<std::string> value;
};

struct Section {
    std::string name;
    std::vector<Entry> entries;
};

// A file that starts with the UTF-16 little-endian byte-order mark is text
// in UTF-16 ("Unicode" in Notepad), and a rewrite keeps it so. The system
// knows no other mark: a UTF-8 one is three ANSI characters of the first line.
enum class Encoding { Ansi, Utf16Le };

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

struct Profile {
    Encoding encoding = Encoding::Ansi;
    std::vector<Section> sections;
};

using profile::Trim;
using profile::TrimLeft;
using profile::TrimRight;

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string ToAnsi(std::string_view text) { return Utf8ToCp1252(UpToNul(text)); }

bool SameName(std::string_view stored, std::string_view asked) { return Utf8EqualsIgnoreCase(UpToNul(stored), asked); }

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

std::vector<Section> Parse(std::string_view text) {
    std::vector<Section> sections(1);
    while (!text.empty()) {
        const auto end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty()) continue;
        if (const auto header = SectionHeader(line)) sections.push_back({std::string(*header), {}});
        else sections.back().entries.push_back(ParseEntry(line));
    }
    return sections;
}

std::string Serialise(const std::vector<Section>& sections) {
    std::string text;
    for (const Section& section : sections) {
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

// Stored names lost their surrounding blanks when read. The lines before the
// first header answer to the empty name, as a section whose header names nothing does.
std::vector<Section>::iterator FindSectionNamed(Profile& profile, std::string_view name) {
    return std::find_if(profile.sections.begin(), profile.sections.end(),
                        [&](const Section& s) { return SameName(s.name, name); });
}

// Names asked for a string lose their surrounding blanks; a name asked for a
// whole section is taken as it is.
Section* FindSection(Profile& profile, std::string_view name) {
    const auto found = FindSectionNamed(profile, Trim(name));
    return found == profile.sections.end() ? nullptr : &*found;
}

std::vector<Entry>::iterator FindEntry(Section& section, std::string_view name) {
    name = Trim(name);
    return std::find_if(section.entries.begin(), section.entries.end(),
                        [&](const Entry& e) { return SameName(e.name, name); });
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
    if (!target) target = &profile.sections.emplace_back(Section{std::string(TrimLeft(section)), {}});
    auto entry = FindEntry(*target, key);
    if (entry == target->entries.end())
        entry = target->entries.insert(target->entries.end(), Entry{std::string(TrimLeft(key)), std::nullopt});
    if (entry->value && UpToNul(*entry->value) == value) return false;
    entry->value = std::string(value);
    return true;
}

// Names to delete are taken as they are, blanks and all; only the first of
// sections of the same name is looked in.
bool DeleteEntry(Profile& profile, std::string_view section, std::string_view key) {
    const auto target = FindSectionNamed(profile, section);
    if (target == profile.sections.end()) return false;
    const auto entry = std::find_if(target->entries.begin(), target->entries.end(),
                                    [&](const Entry& e) { return SameName(e.name, key); });
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
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.starts_with(kUtf16LeMark))
        return Profile{Encoding::Utf16Le, Parse(Utf16LeToUtf8(std::string_view(bytes).substr(kUtf16LeMark.size())))};
    return Profile{Encoding::Ansi, Parse(Cp1252ToUtf8(bytes))};
}

bool Save(const fs::path& path, const Profile& profile) {
    const std::string text = profile.encoding == Encoding::Utf16Le
                                 ? std::string(kUtf16LeMark) + Utf8ToUtf16Le(Serialise(profile.sections))
                                 : Utf8ToCp1252(Serialise(profile.sections));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return !out.fail();
}

ProfileString CopyToBuffer(std::string_view value, std::uint32_t size, bool unquote) {
    ProfileString result{std::string(size, '\0'), 0};
    const std::string copied = profile::CopiedValue(value, size, unquote);
    copied.copy(result.buffer.data(), copied.size());
    result.count = static_cast<std::uint32_t>(copied.size());
    return result;
}

bool IsComment(const Entry& entry) { return entry.name.starts_with(';'); }

// A line that is nothing but a NUL is a blank line to the system.
bool IsBlankLine(const Entry& entry) { return !entry.value && UpToNul(entry.name).empty(); }

// The lines as the section call hands them back: trimmed, blanks around the
// first "=" gone, quotes kept, comments left out, a line without "=" kept.
std::string SectionLines(const Section& section) {
    std::string lines;
    for (const Entry& entry : section.entries) {
        if (IsComment(entry) || IsBlankLine(entry)) continue;
        lines += ToAnsi(entry.name);
        if (entry.value) {
            lines += '=';
            lines += ToAnsi(*entry.value);
        }
        lines += '\0';
    }
    return lines;
}

// The names of the keys: lines with "=", comments left out. A key without a
// name still takes its place, as an empty name.
std::string KeyNames(const Section& section) {
    std::string names;
    for (const Entry& entry : section.entries) {
        if (IsComment(entry) || !entry.value) continue;
        names += ToAnsi(entry.name);
        names += '\0';
    }
    return names;
}

std::string SectionNames(const Profile& profile) {
    std::string names;
    for (const Section& section : profile.sections) {
        if (UpToNul(section.name).empty()) continue;
        names += ToAnsi(section.name);
        names += '\0';
    }
    return names;
}

// What fits before the two closing NULs: all of it, or the cut the caller sees
// by a count of bufferSize - 2.
ProfileString CopySectionToBuffer(std::string_view lines, std::uint32_t size) {
    ProfileString result{std::string(size, '\0'), 0};
    const std::string_view copied = lines.substr(0, profile::SectionRoom(size));
    copied.copy(result.buffer.data(), copied.size());
    result.count = static_cast<std::uint32_t>(copied.size());
    return result;
}

}  // namespace

ProfileString PortableIniFile::GetString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue, std::uint32_t bufferSize,
                                         const std::string& file) {
    const std::string_view fallback = profile::DefaultText(defaultValue);
    if (auto profile = Load(ToPath(file))) {
        const Entry* entry = Lookup(*profile, Cp1252ToUtf8(section), Cp1252ToUtf8(key));
        return CopyToBuffer(entry && entry->value ? ToAnsi(*entry->value) : fallback, bufferSize, true);
    }
    // A file that cannot be opened gives the default as it is, quotes and all.
    return CopyToBuffer(fallback, bufferSize, false);
}

ProfileString PortableIniFile::GetSection(const std::string& section, std::uint32_t bufferSize,
                                          const std::string& file) {
    std::string lines;
    if (auto profile = Load(ToPath(file))) {
        const auto found = FindSectionNamed(*profile, Cp1252ToUtf8(section));
        if (found != profile->sections.end()) lines = SectionLines(*found);
    }
    return CopySectionToBuffer(lines, bufferSize);
}

ProfileString PortableIniFile::GetSectionNames(std::uint32_t bufferSize, const std::string& file) {
    const auto profile = Load(ToPath(file));
    return CopySectionToBuffer(profile ? SectionNames(*profile) : std::string(), bufferSize);
}

// The section name is taken as it is, as for the whole section. A list whose
// first name is empty looks empty to the caller, who gets the default
// instead, as when the section has no keys or does not exist; this default
// keeps its trailing spaces.
ProfileString PortableIniFile::GetKeyNames(const std::string& section, const std::string& defaultValue,
                                           std::uint32_t bufferSize, const std::string& file) {
    const std::string_view fallback = defaultValue;
    auto profile = Load(ToPath(file));
    if (!profile) return CopyToBuffer(fallback, bufferSize, false);
    const auto found = FindSectionNamed(*profile, Cp1252ToUtf8(section));
    ProfileString names =
        CopySectionToBuffer(found != profile->sections.end() ? KeyNames(*found) : std::string(), bufferSize);
    return names.buffer.empty() || names.buffer.front() != '\0' ? names : CopyToBuffer(fallback, bufferSize, true);
}

std::int32_t PortableIniFile::WriteString(const std::string& section, const std::string& key,
                                          const std::optional<std::string>& value, const std::string& file) {
    const fs::path path = ToPath(file);
    auto profile = Load(path);
    if (!profile) return 0;
    const std::string sectionText = Cp1252ToUtf8(section);
    const std::string keyText = Cp1252ToUtf8(key);
    const bool changed = value ? SetEntry(*profile, sectionText, keyText, Cp1252ToUtf8(*value))
                               : DeleteEntry(*profile, sectionText, keyText);
    return !changed || Save(path, *profile) ? 1 : 0;
}

// Only the first of sections of the same name goes; the name is taken as it is.
std::int32_t PortableIniFile::DeleteSection(const std::string& section, const std::string& file) {
    const fs::path path = ToPath(file);
    auto profile = Load(path);
    if (!profile) return 0;
    const auto found = FindSectionNamed(*profile, Cp1252ToUtf8(section));
    if (found == profile->sections.end()) return 1;
    profile->sections.erase(found);
    return Save(path, *profile) ? 1 : 0;
}

}  // namespace brivex
