#include "ui/win32/Art.h"

#include <map>

namespace brivex::ui {

namespace {

std::map<std::string, ArtPainter>& Painters() {
    static std::map<std::string, ArtPainter> painters;
    return painters;
}

}  // namespace

void RegisterArt(const std::string& name, ArtPainter painter) { Painters()[name] = std::move(painter); }

bool PaintArt(const std::string& name, HDC dc, const RECT& area) {
    const auto it = Painters().find(name);
    if (it == Painters().end()) return false;
    it->second(dc, area);
    return true;
}

}  // namespace brivex::ui
