#include "ui/ButtonPlus.h"

#include "ui/Form.h"

namespace brivex::ui {

void ButtonPlus::Click() {
    if (!Enabled() || !Owner().Enabled() || !Shown()) return;
    if (OnClick) OnClick();
}

std::string ButtonPlus::AccessibleName() const {
    std::string caption = Caption();
    return caption.empty() ? ToolTipText() : caption;
}

}  // namespace brivex::ui
