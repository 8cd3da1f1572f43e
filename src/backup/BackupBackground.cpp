#include "backup/BackupBackground.h"

#include "backup/Sysbackup.h"
#include "base/Units.h"

namespace brivex {

BackupBackground LayOutBackupBackground(int width, int height, int dpi) {
    using namespace backupdesign;
    const auto px = [dpi](int designPixels) { return ScaleDesignPixels(designPixels, dpi); };
    BackupBackground shapes;
    shapes.ground = ToolWindowGround(width, height, dpi, kBand, 120);
    const int right = width - px(60);
    for (int i = 0; i < 3; ++i) {
        const int step = 2 - i;  // each copy further back sits 4 design pixels lower and to the right
        const int left = right - px(30) + px(step * 4);
        const int top = px(9) + px(step * 4);
        shapes.copies[i] = {{left, top, left + px(22), top + px(16)}, px(4)};
    }
    shapes.label = {right - px(24), px(17), right - px(14), px(17)};
    shapes.labelWidth = px(2);
    return shapes;
}

}  // namespace brivex
