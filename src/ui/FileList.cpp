#include "ui/FileList.h"

namespace brivex::ui {

void FileList::SetPath(std::string path) {
    path_ = std::move(path);
    Refresh();
}

void FileList::SetPattern(std::string pattern) {
    pattern_ = std::move(pattern);
    Refresh();
}

void FileList::Refresh() {
    Clear();
    if (path_.empty() || !finder_) return;
    std::string wildcard = path_;
    if (wildcard.back() != '\\') wildcard += '\\';
    for (std::string& name : finder_(wildcard + pattern_)) AddItem(std::move(name));
}

}  // namespace brivex::ui
