#pragma once

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace brivex::testing {

// A new empty folder under the system's temporary folder, removed with all it
// holds when the test ends. Its name carries an accented letter, so every path
// built on it must survive the conversion to the ANSI code page. Paths are
// UTF-8 and use backslashes, as the program builds them.
class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        const auto stamp = std::chrono::system_clock::now().time_since_epoch().count();
        root_ = std::filesystem::temp_directory_path() /
                ToPath("Brivex Doziv \xC3\xA9 " + std::to_string(stamp) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(root_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    std::string Path() const {
        const std::u8string text = root_.u8string();
        return std::string(text.begin(), text.end());
    }
    std::string Path(const std::string& relative) const { return Path() + "\\" + relative; }

    void MakeFolder(const std::string& path) const { std::filesystem::create_directories(ToPath(path)); }
    bool Exists(const std::string& path) const { return std::filesystem::exists(ToPath(path)); }

    void Put(const std::string& path, const std::string& bytes) const {
        std::ofstream out(ToPath(path), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::optional<std::string> Get(const std::string& path) const {
        std::ifstream in(ToPath(path), std::ios::binary);
        if (!in) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    static std::filesystem::path ToPath(const std::string& utf8) {
        std::u8string text(utf8.begin(), utf8.end());
        std::replace(text.begin(), text.end(), u8'\\', u8'/');
        return std::filesystem::path(text);
    }

    std::filesystem::path root_;
};

}  // namespace brivex::testing
