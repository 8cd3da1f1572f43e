#pragma once
// The sections and key names an initialisation file holds, found with the
// profile functions' own line rules, so that a fuzz target can ask the engine
// about every one of them. Only the names: what they are worth is the
// engine's answer.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brivex::fuzzing {

struct OutlineSection {
    std::string name;  // empty for the lines before the first header
    std::vector<std::string> keys;
};

inline bool IsProfileBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

inline std::string_view TrimProfileBlanks(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
    return text;
}

// At most `limit` names in all, so that one input costs a bounded number of calls.
inline std::vector<OutlineSection> OutlineOf(std::string_view text, std::size_t limit) {
    std::vector<OutlineSection> sections(1);
    std::size_t names = 0;
    while (!text.empty() && names < limit) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = TrimProfileBlanks(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty()) continue;
        const std::size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos) {
            sections.push_back({std::string(TrimProfileBlanks(line.substr(1, close - 1))), {}});
        } else {
            sections.back().keys.emplace_back(TrimProfileBlanks(line.substr(0, line.find('='))));
        }
        ++names;
    }
    return sections;
}

}  // namespace brivex::fuzzing
