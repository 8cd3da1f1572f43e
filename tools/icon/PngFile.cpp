#include "PngFile.h"

#include <algorithm>
#include <array>

namespace brivex::icon {

namespace {

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    out += typed;
    PutBigEndian(out, Crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string ZlibStored(const std::string& data) {
    constexpr std::size_t kLargestBlock = 0xFFFF;
    std::string out = "\x78\x01";  // deflate, 32 KiB window, no dictionary; the header's check holds
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kLargestBlock, data.size() - at);
        const bool last = at + length == data.size();
        out.push_back(last ? 1 : 0);
        const auto put16 = [&out](std::size_t value) {
            out.push_back(static_cast<char>(value & 0xFF));
            out.push_back(static_cast<char>((value >> 8) & 0xFF));
        };
        put16(length);
        put16(~length & 0xFFFF);
        out.append(data, at, length);
        at += length;
    } while (at < data.size());
    PutBigEndian(out, Adler32(data));
    return out;
}

}  // namespace

std::uint32_t Crc32(const std::string& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::string& bytes) {
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char byte : bytes) {
        a = (a + static_cast<std::uint8_t>(byte)) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

std::string PngFile(int width, int height, const std::vector<std::uint32_t>& pixels) {
    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits a channel, RGBA, deflate, no filter, no interlace

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
    PutChunk(out, "IDAT", ZlibStored(rows));
    PutChunk(out, "IEND", "");
    return out;
}

}  // namespace brivex::icon
