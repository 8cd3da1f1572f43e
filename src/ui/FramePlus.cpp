#include "ui/FramePlus.h"

#include "ui/Form.h"

namespace brivex::ui {

void FramePlus::PressedOnBackground() {
    if (Owner().Enabled() && Owner().OnMouseDown) Owner().OnMouseDown();
}

}  // namespace brivex::ui
