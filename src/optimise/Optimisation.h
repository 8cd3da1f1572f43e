#pragma once
// The one-click optimisation: the system changes, made at once when the user
// presses the button, and the staged display of about forty seconds that the
// main window's Timer1 then plays, ending with the pending-reboot marker and
// the start-with-Windows value.

#include <cstdint>
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
// text and stage picture, and the flag that offers the restart on quitting.
// The stage pictures' holders are found by name among the window's controls.
struct OptimisationDisplay {
    ui::Form& window;
    ui::Timer& Timer1;
    BarControl& Bar1;
    ui::Label& Label3;
    ui::Picture& Image9;
    bool& OptimisationDone;
    const ui::Label& askWithoutRestorePoint;
};

// One stage of the display: reached when Bar1's value gets to `value`.
struct Stage {
    std::int32_t value;
    std::int32_t interval;  // 0: Timer1's interval is left alone
    std::string_view textKey;
    std::string_view holder;  // the picture holder whose picture Image9 takes
};

inline constexpr Stage kStages[] = {
    {1, 0, "msg1", "Image2"},     {10, 1100, "msg2", "Image3"}, {20, 250, "msg3", "Image4"},
    {35, 800, "msg4", "Image5"},  {55, 180, "msg5", "Image6"},  {68, 250, "msg6", "Image10"},
    {80, 100, "msg7", "Image7"},  {100, 0, "msg8", "Image8"},
};

class Optimisation {
public:
    Optimisation(Program& program, OptimisationDisplay display) : program_(program), home_(display) {}

    // The press of "Optimiser Windows".
    void Command1_Click();
    // Each tick of Timer1.
    void Timer1_Timer();

private:
    bool GoOnWithoutRestorePoint();
    void ShowStage(const Stage& stage);
    void Finish();

    Program& program_;
    OptimisationDisplay home_;
};

}  // namespace brivex
