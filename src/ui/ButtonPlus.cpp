#include "ui/ButtonPlus.h"

#include "ui/Form.h"

namespace brivex::ui {

void ButtonPlus::Click() {
    if (!Enabled() || !Owner().Enabled() || !Shown()) return;
    if (OnClick) OnClick();
}

}  // namespace brivex::ui
