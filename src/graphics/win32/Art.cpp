#include "graphics/win32/Art.h"

#include <map>

namespace brivex::art {

namespace {

std::map<std::string, ArtPainter>& Painters() {
    static std::map<std::string, ArtPainter> painters;
    return painters;
}

}  // namespace

void RegisterArt(const std::string& name, ArtPainter painter) { Painters()[name] = std::move(painter); }

bool PaintArt(const std::string& name, HDC dc, const RECT& area, int dpi) {
    const auto it = Painters().find(name);
    if (it == Painters().end()) return false;
    it->second(dc, area, dpi);
    return true;
}

}  // namespace brivex::art
