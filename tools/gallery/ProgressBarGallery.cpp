// Writes BMP pictures of the progress bar as the windows show it, so its looks
// can be checked by eye: every style at 0, 42 and 100 % at the main window's
// bar size (Bar1's design values, Scrolling varied; StylePicture gets a small
// striped picture), every bar the windows place at its design size, and one
// sheet with all of them (styles 0 to 9 a row each, then the instances in
// design-table order, 0, 42 and 100 % from left to right).
//
//     progressbar_gallery [folder]        (default: progressbar-gallery)

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BmpFile.h"
#include "graphics/PixelCanvas.h"
#include "progressbar/ColorMath.h"
#include "progressbar/DesignValues.h"
#include "progressbar/XpProgressBar.h"
#include "progressbar/PixelBarHost.h"

namespace brivex::gallery {

namespace {

constexpr int kPercents[] = {0, 42, 100};
constexpr int kStyleCount = 10;
constexpr int kDotsPerInch = 96;
constexpr int kMargin = 8;
constexpr ColorRef kSheetBackground = 0xD8D8D8;

PictureRef StripedPicture(ColorRef colour) {
    auto picture = std::make_shared<Picture>();
    picture->width = 8;
    picture->height = 8;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) picture->pixels.push_back((x + y) % 8 < 4 ? colour : LightenColor(colour, 160));
    return picture;
}

struct Shot {
    std::string name;
    std::unique_ptr<PixelBarHost> host;
};

Shot Render(const BarDesign& design, std::optional<int> scrolling, int percent) {
    const Size size = DesignSizeInPixels(design, kDotsPerInch);
    Shot shot;
    shot.host = std::make_unique<PixelBarHost>(size.width, size.height);
    XpProgressBar bar(*shot.host);
    bar.LoadProperties(DesignPropertyBag(design));
    if (scrolling) {
        bar.SetImage(StripedPicture(design.color));
        bar.SetScrolling(*scrolling);
        shot.name = "Scrolling" + std::to_string(*scrolling);
    } else {
        shot.name = std::string(design.instance);
    }
    bar.SetValue(percent);
    shot.name.append("_").append(std::to_string(percent)).append(".bmp");
    return shot;
}

std::vector<std::vector<Shot>> RenderAll() {
    std::vector<std::vector<Shot>> rows;
    const BarDesign& main = kBar1Design;
    for (int style = 0; style < kStyleCount; ++style) {
        rows.emplace_back();
        for (const int percent : kPercents) rows.back().push_back(Render(main, style, percent));
    }
    for (const BarDesign* design : BarDesigns()) {
        rows.emplace_back();
        for (const int percent : kPercents) rows.back().push_back(Render(*design, std::nullopt, percent));
    }
    return rows;
}

std::unique_ptr<PixelCanvas> Sheet(std::vector<std::vector<Shot>>& rows) {
    int width = 0;
    int height = kMargin;
    for (auto& row : rows) {
        int rowWidth = kMargin;
        int rowHeight = 0;
        for (Shot& shot : row) {
            rowWidth += shot.host->Screen().Width() + kMargin;
            rowHeight = std::max(rowHeight, shot.host->Screen().Height());
        }
        width = std::max(width, rowWidth);
        height += rowHeight + kMargin;
    }
    auto sheet = std::make_unique<PixelCanvas>(width, height);
    sheet->FillRect({0, 0, width, height}, kSheetBackground);
    int y = kMargin;
    for (auto& row : rows) {
        int x = kMargin;
        int rowHeight = 0;
        for (Shot& shot : row) {
            PixelCanvas& screen = shot.host->Screen();
            sheet->CopyFrom(screen, 0, 0, screen.Width(), screen.Height(), x, y);
            x += screen.Width() + kMargin;
            rowHeight = std::max(rowHeight, screen.Height());
        }
        y += rowHeight + kMargin;
    }
    return sheet;
}

int Run(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    auto rows = RenderAll();
    int failures = 0;
    const auto write = [&](const PixelCanvas& canvas, const std::string& name) {
        const bool written = WriteBmp(canvas, folder / name);
        std::printf("%s %s\n", written ? "wrote" : "could not write", (folder / name).string().c_str());
        failures += written ? 0 : 1;
    };
    for (auto& row : rows)
        for (Shot& shot : row) write(shot.host->Screen(), shot.name);
    write(*Sheet(rows), "gallery.bmp");
    return failures == 0 ? 0 : 1;
}

}  // namespace

}  // namespace brivex::gallery

int main(int argc, char** argv) { return brivex::gallery::Run(argc > 1 ? argv[1] : "progressbar-gallery"); }
