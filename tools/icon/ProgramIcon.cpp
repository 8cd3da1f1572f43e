#include "ProgramIcon.h"

#include "IconFile.h"
#include "graphics/Emblem.h"

namespace brivex::icon {

std::string ProgramIcon() {
    std::vector<IconImage> images;
    for (const int size : kIconSizes) images.push_back({size, DrawEmblem(size)});
    return IconFile(images);
}

}  // namespace brivex::icon
