// The program's icon file as Windows reads it: a directory of the eight
// pictures, the largest a PNG file, the others bitmaps with their mask; and the
// same bytes each time it is made.

#include "ProgramIcon.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include "graphics/Emblem.h"

namespace brivex::icon {
namespace {

std::uint32_t Little(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

std::uint32_t Big(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

// Decodes a PNG file as a viewer does (every chunk's sum checked, its image
// data inflated by zlib) into the pixels it shows, each 0xAARRGGBB.
std::vector<std::uint32_t> DecodePng(const std::string& png, int size) {
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    std::string chunks;
    std::string data;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = Big(png, at);
        const std::string typed = png.substr(at + 4, 4 + length);
        EXPECT_EQ(Big(png, at + 8 + length), crc32(0, reinterpret_cast<const Bytef*>(typed.data()), typed.size()));
        chunks += typed.substr(0, 4) + " ";
        if (typed.starts_with("IDAT")) data += typed.substr(4);
        if (typed.starts_with("IHDR")) {
            const std::string side = {0, 0, static_cast<char>(size >> 8), static_cast<char>(size & 0xFF)};
            EXPECT_EQ(typed.substr(4), side + side + std::string("\x08\x06\0\0\0", 5)) << "8-bit RGBA";
        }
        at += 12 + length;
    }
    EXPECT_EQ(chunks, "IHDR IDAT IEND ");
    const std::size_t rowBytes = 1 + 4 * static_cast<std::size_t>(size);
    std::string rows(rowBytes * size + 1, '\0');  // a byte to spare: more data than the picture must show
    uLongf length = rows.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(rows.data()), &length, reinterpret_cast<const Bytef*>(data.data()),
                         data.size()),
              Z_OK);
    EXPECT_EQ(length, rowBytes * size);
    std::vector<std::uint32_t> pixels;
    for (std::size_t row = 0; row < rowBytes * size; row += rowBytes) {
        EXPECT_EQ(rows[row], 0) << "unfiltered";
        for (std::size_t at = row + 1; at < row + rowBytes; at += 4)
            pixels.push_back(Big(rows, at) >> 8 | Big(rows, at) << 24);
    }
    return pixels;
}

TEST(ProgramIcon, DirectoryOfBitmapsAndAPngAsWindowsReadsThemAlwaysTheSameBytes) {
    const std::string icon = ProgramIcon();
    EXPECT_EQ(icon, ProgramIcon());
    ASSERT_EQ(icon.substr(0, 6), std::string("\0\0\1\0\x08\0", 6));
    std::size_t next = 6 + 16 * std::size(kIconSizes);
    for (std::size_t i = 0; i < std::size(kIconSizes); ++i) {
        const int size = kIconSizes[i];
        const std::size_t entry = 6 + 16 * i;
        SCOPED_TRACE(size);
        EXPECT_EQ(Little(icon, entry, 1), size == 256 ? 0u : static_cast<std::uint32_t>(size));
        EXPECT_EQ(Little(icon, entry + 1, 1), size == 256 ? 0u : static_cast<std::uint32_t>(size));
        EXPECT_EQ(Little(icon, entry + 4, 4), 0x00200001u) << "one plane, 32 bits a pixel";
        const std::uint32_t length = Little(icon, entry + 8, 4);
        ASSERT_EQ(Little(icon, entry + 12, 4), next);
        const std::string picture = icon.substr(next, length);
        next += length;
        if (size == 256) {
            EXPECT_TRUE(DecodePng(picture, size) == DrawEmblem(size)) << "the PNG shows the mark as drawn";
            continue;
        }
        const std::uint32_t maskRow = (size + 31) / 32 * 4;
        EXPECT_EQ(picture.size(), 40 + 4u * size * size + maskRow * size);
        EXPECT_EQ(Little(picture, 4, 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(Little(picture, 8, 4), 2u * size) << "colour rows, then mask rows";
        // The mask's first row is the picture's bottom row: its corner is clear, its middle covered.
        const std::size_t mask = 40 + 4u * size * size;
        EXPECT_EQ(Little(picture, 40 + 3, 1), 0u) << "alpha of the bottom left corner";
        EXPECT_EQ(static_cast<std::uint8_t>(picture[mask]) & 0x80, 0x80);
        const std::size_t middle = mask + maskRow * (size / 2) + size / 16;
        EXPECT_EQ(static_cast<std::uint8_t>(picture[middle]) & (0x80 >> (size / 2 % 8)), 0);
    }
    EXPECT_EQ(next, icon.size());
}

}  // namespace
}  // namespace brivex::icon
