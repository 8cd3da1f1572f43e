#include "optimise/RebootPictures.h"

#include "graphics/ArtLayoutCheck.h"

namespace brivex {
namespace {

using testing::Covered;
using testing::Inside;

TEST(RebootPictures, EveryPartStaysInsideItsPictureWhateverItsSizeAndPlace) {
    struct Case {
        const char* picture;
        std::vector<Rect> (*parts)(const Rect& area);
    };
    const Case cases[] = {
        {"done",
         [](const Rect& a) {
             const DonePicture p = LayOutDonePicture(a);
             return std::vector<Rect>{p.stand.area, p.foot.area, p.monitor.area, p.screen, Covered(p.light)};
         }},
        {"boot",
         [](const Rect& a) {
             const BootPicture p = LayOutBootPicture(a);
             return std::vector<Rect>{Covered(p.button), p.ring, Covered(p.bar)};
         }},
        {"processor",
         [](const Rect& a) {
             const ProcessorPicture p = LayOutProcessorPicture(a);
             std::vector<Rect> parts{p.chip.area, p.core};
             for (const Segment& pin : p.pins) parts.push_back(Covered(pin));
             return parts;
         }},
        {"disk",
         [](const Rect& a) {
             const DiskPicture p = LayOutDiskPicture(a);
             return std::vector<Rect>{p.drive.area, Covered(p.platter), Covered(p.spindle), Covered(p.light)};
         }},
    };
    for (const Case& c : cases)
        for (const Rect& area : {Rect{0, 0, 48, 48}, Rect{3, 5, 100, 90}, Rect{10, 0, 43, 40}, Rect{0, 0, 16, 16}})
            for (const Rect& part : c.parts(area))
                EXPECT_TRUE(Inside(part, area)) << c.picture << " in " << area.right - area.left << " pixels";
}

}  // namespace
}  // namespace brivex
