#include "base/ProfileText.h"

#include <algorithm>

namespace brivex::profile {

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

bool IsQuoted(std::string_view text) {
    return text.size() > 1 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
}

std::string_view DefaultText(std::string_view value) {
    const auto last = value.find_last_not_of(' ');
    return value.substr(0, last == std::string_view::npos ? std::min<std::size_t>(value.size(), 1) : last + 1);
}

std::string CopiedValue(std::string_view value, std::uint32_t bufferSize, bool unquote) {
    if (bufferSize == 0) return {};
    const bool quoted = unquote && IsQuoted(value);
    if (quoted) value.remove_prefix(1);
    std::string_view copied = value.substr(0, bufferSize - 1);
    if (quoted && bufferSize >= value.size() && !copied.empty()) copied.remove_suffix(1);
    return std::string(copied);
}

std::uint32_t SectionRoom(std::uint32_t bufferSize) { return bufferSize < 2 ? 0 : bufferSize - 2; }

}  // namespace brivex::profile
