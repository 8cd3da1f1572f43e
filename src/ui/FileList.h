#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/ListBox.h"

namespace brivex::ui {

// The files of one folder that match a pattern, by name, in the order found.
class FileList final : public ListControl {
public:
    using Finder = std::function<std::vector<std::string>(const std::string& wildcardPath)>;

    FileList(Form& form, std::string name, std::string pattern, Finder finder, std::optional<int> index = std::nullopt)
        : ListControl(form, std::move(name), index, {{"ToolTipText", {}}}),
          pattern_(std::move(pattern)),
          finder_(std::move(finder)) {}

    const std::string& Path() const { return path_; }
    // Lists the folder's files again, even when the folder is the same.
    void SetPath(std::string path);
    const std::string& Pattern() const { return pattern_; }
    void SetPattern(std::string pattern);
    void Refresh();

private:
    std::string path_;
    std::string pattern_;
    Finder finder_;
};

}  // namespace brivex::ui
