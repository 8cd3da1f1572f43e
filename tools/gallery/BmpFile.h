#pragma once

#include <filesystem>

#include "graphics/PixelCanvas.h"

namespace brivex::gallery {

// Writes the canvas as an uncompressed 24-bit BMP; false when the file cannot be written.
bool WriteBmp(const PixelCanvas& canvas, const std::filesystem::path& path);

}  // namespace brivex::gallery
