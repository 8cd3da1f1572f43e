#include "IconFile.h"

#include "PngFile.h"

namespace brivex::icon {

namespace {

// The largest picture a directory entry can state: its width and height are
// then written as 0.
constexpr int kLargest = 256;

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A bitmap entry: the header with twice the height (colour rows, then mask
// rows), the colour rows bottom row first, then the mask, one bit a pixel, set
// where the picture is fully transparent, each row padded to 32 bits.
std::string BitmapImage(const IconImage& image) {
    const int size = image.size;
    const std::uint32_t maskRowBytes = (static_cast<std::uint32_t>(size) + 31) / 32 * 4;
    const std::uint32_t colourBytes = static_cast<std::uint32_t>(size) * size * 4;
    std::string out;
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(size), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(size) * 2, 4);
    PutLittleEndian(out, 1, 2);   // planes
    PutLittleEndian(out, 32, 2);  // bits a pixel
    PutLittleEndian(out, 0, 4);   // uncompressed
    PutLittleEndian(out, colourBytes + maskRowBytes * size, 4);
    out.append(16, '\0');  // resolution and palette: none
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) PutLittleEndian(out, image.pixels[static_cast<std::size_t>(y) * size + x], 4);
    for (int y = size - 1; y >= 0; --y) {
        std::string row(maskRowBytes, '\0');
        for (int x = 0; x < size; ++x)
            if ((image.pixels[static_cast<std::size_t>(y) * size + x] >> 24) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out += row;
    }
    return out;
}

}  // namespace

std::string IconFile(const std::vector<IconImage>& images) {
    std::vector<std::string> data;
    for (const IconImage& image : images)
        data.push_back(image.size == kLargest ? PngFile(image.size, image.size, image.pixels) : BitmapImage(image));

    std::string out;
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, 1, 2);  // an icon, not a cursor
    PutLittleEndian(out, static_cast<std::uint32_t>(images.size()), 2);
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const std::uint32_t side = images[i].size == kLargest ? 0 : static_cast<std::uint32_t>(images[i].size);
        PutLittleEndian(out, side, 1);
        PutLittleEndian(out, side, 1);
        PutLittleEndian(out, 0, 2);  // no palette; reserved
        PutLittleEndian(out, 1, 2);  // planes
        PutLittleEndian(out, 32, 2);
        PutLittleEndian(out, static_cast<std::uint32_t>(data[i].size()), 4);
        PutLittleEndian(out, offset, 4);
        offset += static_cast<std::uint32_t>(data[i].size());
    }
    for (const std::string& entry : data) out += entry;
    return out;
}

}  // namespace brivex::icon
