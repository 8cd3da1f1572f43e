#include "program/DesignTexts.h"

namespace brivex {

DesignTexts::DesignTexts(const ui::Form& form) : caption_(form.Caption()) {
    for (ui::Control* control : form.Controls())
        controls_.push_back({control, control->Get("Caption"), control->Get("ToolTipText")});
}

void DesignTexts::Restore(ui::Form& form) const {
    form.SetCaption(caption_);
    for (const ControlTexts& texts : controls_) {
        if (texts.caption) texts.control->Set("Caption", *texts.caption);
        if (texts.toolTip) texts.control->Set("ToolTipText", *texts.toolTip);
    }
}

}  // namespace brivex
