#pragma once

#include <string>

#include "ui/PeeredControl.h"

namespace brivex::ui {

// An image box. Its picture is named, and the names are the program's own
// drawings ("stage3", "background"...), drawn by the Win32 side.
class Picture final : public PeeredControl<ImagePeer> {
public:
    Picture(Form& form, std::string name, std::string picture = {}, std::optional<int> index = std::nullopt)
        : PeeredControl(form, std::move(name), index, {{"ToolTipText", {}}}), picture_(std::move(picture)) {}

    const std::string& PictureName() const { return picture_; }
    void SetPicture(std::string picture);

protected:
    void PushStateToPeer() override;

private:
    std::string picture_;
};

}  // namespace brivex::ui
