#pragma once

#include "graphics/PixelCanvas.h"

namespace brivex::icon {

// The picture beside the installer's first and last pages, at the size the
// installer lays it out for (164 x 314 pixels at 96 dots an inch): the
// program's mark on the header colours of its windows.
inline constexpr int kWelcomeWidth = 164;
inline constexpr int kWelcomeHeight = 314;

void PaintWelcomePicture(PixelCanvas& canvas);

}  // namespace brivex::icon
