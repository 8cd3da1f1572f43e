#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniFile.h"

namespace brivex {

// One section of a language file, read whole in one profile call, answering
// for each of its keys what GetPrivateProfileStringA would: a translation asks
// for some fifty keys, and every profile call opens and parses the file again.
// Everything here is in ANSI bytes. The answers hold whether or not the system
// already trimmed the lines; it does not take quotes off them (Wine hands them
// back with their quotes), so that is done here, as the string call does it.
class LanguageSection {
public:
    // The section's lines as GetPrivateProfileSectionA hands them back, each
    // followed by a NUL.
    explicit LanguageSection(std::string_view lines);

    // The section of `file`, the buffer growing while the system may have cut
    // it, up to the largest the system fills; nothing when the section is
    // larger than that, and then only the string call can tell.
    static std::optional<LanguageSection> Read(IniFile& ini, const std::string& section, const std::string& file);

    // What GetPrivateProfileStringA, given a buffer of `bufferSize` bytes,
    // answers for `key` of this section; nothing when only the system can tell.
    std::optional<std::string> Text(std::string_view key, std::string_view defaultValue,
                                    std::uint32_t bufferSize) const;

    // Whether writing `value` under `key` would leave the file as it is: the
    // key's first line holds exactly that value. A value with a blank at an
    // end never matches, as the lines come back trimmed.
    bool Holds(std::string_view key, std::string_view value) const;

private:
    struct Line {
        std::string name;
        std::optional<std::string> value;  // none on a line without "="
    };

    const Line* Find(std::string_view key) const;

    std::vector<Line> lines_;
};

}  // namespace brivex
