#include "ui/Label.h"

#include "ui/Form.h"

namespace brivex::ui {

void Label::Click() {
    if (!Enabled() || !Owner().Enabled() || !Shown()) return;
    if (OnClick) OnClick();
}

}  // namespace brivex::ui
