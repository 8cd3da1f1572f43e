#include "ui/DriveList.h"

#include <cctype>

namespace brivex::ui {

void DriveList::Fill(const std::vector<std::string>& drives, const std::string& current) {
    Clear();
    int chosen = drives.empty() ? -1 : 0;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        AddItem(drives[i]);
        if (!current.empty() && !drives[i].empty() &&
            std::tolower(static_cast<unsigned char>(drives[i].front())) ==
                std::tolower(static_cast<unsigned char>(current.front())))
            chosen = static_cast<int>(i);
    }
    SetListIndex(chosen);
}

}  // namespace brivex::ui
