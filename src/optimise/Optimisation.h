#pragma once
// The one-click optimisation: the system changes, made at once when the user
// presses the button, and the staged display of about forty seconds that the
// main window's stage timer then plays, ending with the pending-reboot marker and
// the start-with-Windows value.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Picture.h"
#include "progressbar/BarControl.h"
#include "ui/Timer.h"

namespace brivex {

class Program;

// What the optimisation drives on the main window, which fills it in: the
// window itself (hourglass, enabled), its stage timer, progress bar, stage
// text and stage picture, the hidden picture of each stage, and the flag that
// offers the restart on quitting.
struct OptimisationDisplay {
    ui::Form& window;
    ui::Timer& stageTimer;
    BarControl& progressBar;
    ui::Label& stageText;
    ui::Picture& stagePicture;
    std::span<const std::unique_ptr<ui::Picture>> stagePictures;
    bool& done;
    const ui::Label& askWithoutRestorePoint;
};

// One stage of the display: reached when the progress bar's value gets to `value`.
// The stage picture then shows the stage's hidden picture, the display's
// stagePictures being in the stages' order.
struct Stage {
    std::int32_t value;
    std::int32_t interval;  // 0: the stage timer's interval is left alone
    std::string_view textKey;
};

inline constexpr Stage kStages[] = {
    {1, 0, "msg1"},    {10, 1100, "msg2"}, {20, 250, "msg3"}, {35, 800, "msg4"},
    {55, 180, "msg5"}, {68, 250, "msg6"},  {80, 100, "msg7"}, {100, 0, "msg8"},
};

class Optimisation {
public:
    Optimisation(Program& program, OptimisationDisplay display) : program_(program), home_(display) {}

    // The press of "Optimiser Windows".
    void Start();
    // Each tick of the stage timer.
    void Tick();

private:
    bool GoOnWithoutRestorePoint();
    void ShowStage(std::size_t stage);
    void Finish();

    Program& program_;
    OptimisationDisplay home_;
};

}  // namespace brivex
