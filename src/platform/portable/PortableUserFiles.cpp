#include "platform/portable/PortableUserFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/Paths.h"

namespace brivex {

namespace {

namespace fs = std::filesystem;

fs::path Native(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return fs::path(std::u8string(path.begin(), path.end()));
}

}  // namespace

std::string PortableUserFiles::AppDataFolder(const std::string& relativeFolder) {
    const std::string folder = JoinPath(appData_, relativeFolder);
    std::error_code error;
    fs::create_directories(Native(folder), error);
    return fs::is_directory(Native(folder), error) ? folder : std::string();
}

bool PortableUserFiles::WriteNewFile(const std::string& path, std::string_view bytes) {
    const fs::path file = Native(path);
    std::error_code error;
    if (fs::exists(file, error) || !fs::is_directory(file.parent_path(), error)) return false;
    {
        std::ofstream out(file, std::ios::binary);
        if (out && out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && out.flush()) return true;
    }
    fs::remove(file, error);
    return false;
}

}  // namespace brivex
