#include "PngFile.h"

#include <zlib.h>

#include <new>

namespace brivex::icon {

namespace {

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    out += typed;
    PutBigEndian(out, static_cast<std::uint32_t>(
                          crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()))));
}

std::string Compressed(const std::string& data) {
    uLongf size = compressBound(data.size());
    std::string out(size, '\0');
    // With room for the largest outcome, running out of memory is the one way it can fail.
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()), data.size(),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw std::bad_alloc();
    out.resize(size);
    return out;
}

}  // namespace

std::string PngFile(int width, int height, const std::vector<std::uint32_t>& pixels) {
    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    // 8 bits a channel, RGBA, deflate, the standard row filters, no interlace
    header += std::string("\x08\x06\x00\x00\x00", 5);

    std::string rows;
    rows.reserve(static_cast<std::size_t>(height) * (1 + 4 * static_cast<std::size_t>(width)));
    for (int y = 0; y < height; ++y) {
        rows.push_back('\0');  // each row unfiltered
        for (int x = 0; x < width; ++x) {
            const std::uint32_t argb = pixels[static_cast<std::size_t>(y) * width + x];
            for (const int shift : {16, 8, 0, 24}) rows.push_back(static_cast<char>((argb >> shift) & 0xFF));
        }
    }

    std::string out = "\x89PNG\r\n\x1a\n";
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", Compressed(rows));
    PutChunk(out, "IEND", "");
    return out;
}

}  // namespace brivex::icon
