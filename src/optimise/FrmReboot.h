#pragma once

#include "ui/ButtonPlus.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace brivex {

class App;

// The window a start after an optimisation opens instead of the main window.
class FrmReboot final : public ui::Form {
public:
    explicit FrmReboot(App& app);

    ui::Label Label1;
    ui::ButtonPlus Command1;

private:
    App& app_;
};

}  // namespace brivex
