#pragma once

#include <string>

#include "optimise/Optimisation.h"
#include "progressbar/BarControl.h"
#include "ui/ButtonPlus.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/Timer.h"

namespace brivex {

class Program;
enum class WindowKind;

// The main window: the launcher of every tool, the one-click optimisation, the
// clock and the date. Its controls keep the names the language files use.
class FrmHome final : public ui::Form {
public:
    explicit FrmHome(Program& program);

    // True once an optimisation has completed during this run: quitting then offers the restart.
    bool OptimisationDone = false;

    ui::Timer Timer1;
    ui::Timer Timer2;
    ui::Label Label1;
    ui::Label Label4;
    ui::Label Label5;
    ui::Label Label2;
    ui::Label Label3;
    BarControl Bar1;
    ui::Picture Image9;
    ui::Picture Image2;
    ui::Picture Image3;
    ui::Picture Image4;
    ui::Picture Image5;
    ui::Picture Image6;
    ui::Picture Image10;
    ui::Picture Image7;
    ui::Picture Image8;
    ui::ButtonPlus Command1;
    ui::ButtonPlus BrivexCmd1;
    ui::ButtonPlus ButtonPlus3;
    ui::ButtonPlus BrivexCmd2;
    ui::ButtonPlus cmd;
    ui::ButtonPlus ButtonPlus6;
    ui::ButtonPlus ButtonPlus2;
    ui::ButtonPlus ButtonPlus5;
    ui::ButtonPlus Command2;
    ui::ButtonPlus ButtonPlus4;
    ui::ButtonPlus Help_XP1;
    ui::Label Label6;
    ui::ButtonPlus ButtonPlus1;
    ui::ButtonPlus TopButtons_XP1;
    // The question asked when the restore point the settings ask for could not
    // be made; translated like every caption and never shown itself.
    ui::Label AskWithoutRestorePoint;

private:
    void Form_Load();
    void Form_Shown();
    void Form_Activate();
    void Form_Unload();
    void Timer2_Timer();
    void FirstRun();
    void ApplyLanguage();
    void Layout();
    void OpenTool(WindowKind kind);

    Program& program_;
    Optimisation optimisation_;
};

// The window's design in twips, which the art drawn behind it follows.
namespace homedesign {
inline constexpr int kWidth = 9000;
inline constexpr int kHeight = 6600;
}  // namespace homedesign

// Texts of the date and the clock: 6/12/2026 and 09:05:07.
std::string DateText(int day, int month, int year);
std::string ClockText(int hour, int minute, int second);

}  // namespace brivex
