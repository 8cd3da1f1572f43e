#include "base/UsableFilePath.h"

namespace brivex {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Bytes of a UTF-8 sequence are all 0x80 or above, so only plain ASCII
// characters can be refused here.
bool IsRefused(char c, std::size_t at, std::string_view path) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
    switch (c) {
        case '<':
        case '>':
        case '"':
        case '|':
        case '?':
        case '*': return true;
        case ':': return !(at == 1 && IsAsciiLetter(path[0]));
        default: return false;
    }
}

}  // namespace

bool IsUsableFilePath(std::string_view path, std::size_t ansiLength) {
    if (path.empty() || ansiLength >= kMaxPath) return false;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (IsRefused(path[i], i, path)) return false;
    const std::size_t lastSeparator = path.find_last_of("\\/");
    return lastSeparator != std::string_view::npos && lastSeparator + 1 < path.size();
}

}  // namespace brivex
