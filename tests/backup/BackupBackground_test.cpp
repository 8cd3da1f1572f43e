#include "backup/BackupBackground.h"

#include "backup/Sysbackup.h"
#include "graphics/ArtLayoutCheck.h"

namespace brivex {
namespace {

using testing::Covered;
using testing::Placed;

TEST(BackupBackground, TheStackOfCopiesStaysOnTheBandAtEveryResolution) {
    testing::ExpectPlacedAndScaled(backupdesign::kWidth, backupdesign::kHeight, [](int width, int height, int dpi) {
        const BackupBackground s = LayOutBackupBackground(width, height, dpi);
        const Rect& band = s.ground.band;
        return std::vector<Placed>{{"back copy", s.copies[0].area, band},
                                   {"middle copy", s.copies[1].area, band},
                                   {"front copy", s.copies[2].area, band},
                                   {"its label", Covered(s.label), s.copies[2].area}};
    });
}

}  // namespace
}  // namespace brivex
