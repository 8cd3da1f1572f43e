#include "BmpFile.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace brivex::gallery {

namespace {

void PutLittleEndian(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

bool WriteBmp(const PixelCanvas& canvas, const std::filesystem::path& path) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    constexpr std::uint32_t kHeaderBytes = 14 + 40;

    std::vector<char> out;
    out.reserve(kHeaderBytes + imageBytes);
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, kHeaderBytes + imageBytes, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, kHeaderBytes, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(height), 4);  // positive: bottom row first
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 24, 2);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, imageBytes, 4);
    PutLittleEndian(out, 3780, 4);  // 96 dots an inch, in dots a metre
    PutLittleEndian(out, 3780, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const ColorRef colour = canvas.Pixel(x, y);
            out.push_back(static_cast<char>((colour >> 16) & 0xFF));
            out.push_back(static_cast<char>((colour >> 8) & 0xFF));
            out.push_back(static_cast<char>(colour & 0xFF));
        }
        out.insert(out.end(), rowBytes - static_cast<std::uint32_t>(width) * 3, '\0');
    }
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

}  // namespace brivex::gallery
