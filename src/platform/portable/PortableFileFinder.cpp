#include "platform/portable/PortableFileFinder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>

namespace brivex {

namespace {

namespace fs = std::filesystem;

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// "*" and "?" as the system reads them; ASCII letters compare without case.
bool Matches(std::string_view pattern, std::string_view name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

fs::path ToPath(std::string_view utf8) {
    std::u8string text(utf8.begin(), utf8.end());
    std::replace(text.begin(), text.end(), u8'\\', u8'/');
    return fs::path(text);
}

}  // namespace

std::vector<std::string> PortableFileFinder::FindFiles(const std::string& wildcardPath) {
    const std::size_t slash = wildcardPath.find_last_of('\\');
    const std::string_view pattern =
        slash == std::string::npos ? std::string_view(wildcardPath) : std::string_view(wildcardPath).substr(slash + 1);
    const fs::path folder = slash == std::string::npos ? fs::path(".") : ToPath(wildcardPath.substr(0, slash + 1));

    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_directory(error)) continue;
        const std::u8string name = it->path().filename().u8string();
        std::string text(name.begin(), name.end());
        if (Matches(pattern, text)) names.push_back(std::move(text));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return Lower(x) < Lower(y); });
    });
    return names;
}

}  // namespace brivex
