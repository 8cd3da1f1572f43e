#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/PeeredControl.h"

namespace brivex::ui {

// A list of text items with one selected (-1: none): what list box, combo
// box, drive list and file list have in common.
class ListControl : public PeeredControl<ListPeer> {
public:
    const std::vector<std::string>& Items() const { return items_; }
    void AddItem(std::string item);
    void Clear();
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int index);
    std::string SelectedText() const;
    // User input from the peer: selects, then fires OnClick.
    void UserSelected(int index);

    std::function<void()> OnClick;

protected:
    using PeeredControl::PeeredControl;
    void PushStateToPeer() override;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class ListBox final : public ListControl {
public:
    ListBox(Form& form, std::string name, std::optional<int> index = std::nullopt)
        : ListControl(form, std::move(name), index, {{"ToolTipText", {}}}) {}
};

// A drop-down list: the user chooses among the items and types nothing.
class ComboBox final : public ListControl {
public:
    ComboBox(Form& form, std::string name, std::string text = {}, std::optional<int> index = std::nullopt)
        : ListControl(form, std::move(name), index, {{"Text", std::move(text)}, {"ToolTipText", {}}}) {}
};

}  // namespace brivex::ui
