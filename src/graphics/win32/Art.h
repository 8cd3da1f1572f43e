#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace brivex::art {

// The program's own pictures, by name: window backgrounds and image boxes are
// drawn in code, so the executable carries no artwork files. Each is drawn at
// the dots per inch of the window it is shown in.
using ArtPainter = std::function<void(HDC dc, const RECT& area, int dpi)>;

void RegisterArt(const std::string& name, ArtPainter painter);
// False when no picture has that name (the area is then left as it is).
bool PaintArt(const std::string& name, HDC dc, const RECT& area, int dpi);

}  // namespace brivex::art
