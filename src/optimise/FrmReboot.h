#pragma once

#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/Timer.h"

namespace brivex {

class Program;

// The window a start after an optimisation opens instead of the main window.
// It takes no input: its timer reveals the report a line a second, then it
// clears the pending-reboot marker, removes the start-with-Windows entry
// unless the user keeps it, offers the restart and ends the program. Its
// texts are fixed French and never translated.
class FrmReboot final : public ui::Form {
public:
    explicit FrmReboot(Program& program);

    ui::Picture donePicture;
    ui::Picture bootPicture;
    ui::Picture processorPicture;
    ui::Picture diskPicture;
    ui::Label report;
    ui::Timer revealTimer;

private:
    void Form_Load();
    void RevealNextLine();
    void Finish();

    Program& program_;
};

// The window's design in twips, which the art drawn behind it follows.
namespace rebootdesign {
inline constexpr int kWidth = 8175;
inline constexpr int kHeight = 4425;
inline constexpr ui::Bounds kReport{2400, 960, 5535, 855};
// The report's height on the tick that finishes: 855 grown eleven times by 215.
inline constexpr int kReportFullHeight = 3220;
}  // namespace rebootdesign

}  // namespace brivex
