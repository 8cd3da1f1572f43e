#pragma once

#include <functional>

#include "ui/PeeredControl.h"

namespace brivex::ui {

// The custom-drawn push button of every window. Its click notification is the
// only event the windows handle.
class ButtonPlus final : public PeeredControl<ControlPeer> {
public:
    ButtonPlus(Form& form, std::string name, std::string caption, std::optional<int> index = std::nullopt)
        : PeeredControl(form, std::move(name), index, {{"Caption", std::move(caption)}, {"ToolTipText", {}}}) {}

    // User input from the peer: a disabled button, or one on a disabled window, does nothing.
    void Click();

    // What a screen reader calls the button: its caption, or its tip when the
    // button shows no caption.
    std::string AccessibleName() const;

    // A picture of the program's own drawn on the button in place of its
    // caption, which stays the button's name. Set at design; empty for none.
    const std::string& PictureName() const { return picture_; }
    void SetPicture(std::string pictureName) { picture_ = std::move(pictureName); }

    std::function<void()> OnClick;

private:
    std::string picture_;
};

}  // namespace brivex::ui
