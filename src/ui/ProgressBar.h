#pragma once

#include <cstdint>
#include <string>

#include "ui/PeeredControl.h"

namespace brivex::ui {

// The place a window gives its progress bar. Owners only write and read Value
// and show or hide it; the bar's own design values (colours, style, range) are
// named by `design`, which the Win32 side looks up when it creates the bar.
class ProgressBar final : public PeeredControl<ValuePeer> {
public:
    ProgressBar(Form& form, std::string name, std::string design, std::optional<int> index = std::nullopt)
        : PeeredControl(form, std::move(name), index, {{"ToolTipText", {}}}), design_(std::move(design)) {}

    std::int32_t Value() const { return value_; }
    void SetValue(std::int32_t value);
    const std::string& Design() const { return design_; }

protected:
    void PushStateToPeer() override;

private:
    std::string design_;
    std::int32_t value_ = 0;
};

}  // namespace brivex::ui
