#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/ListBox.h"

namespace brivex::ui {

// A drop-down list of the machine's drives; `Drive` is the chosen one's text.
class DriveList final : public ListControl {
public:
    DriveList(Form& form, std::string name, std::optional<int> index = std::nullopt)
        : ListControl(form, std::move(name), index, {{"ToolTipText", {}}}) {
        OnClick = [this] {
            if (OnChange) OnChange();
        };
    }

    // Fills the list and chooses the first drive, or the one with `current`'s letter.
    void Fill(const std::vector<std::string>& drives, const std::string& current = {});
    std::string Drive() const { return SelectedText(); }

    // The user chose another drive.
    std::function<void()> OnChange;
};

}  // namespace brivex::ui
