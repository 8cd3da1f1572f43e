#include "optimise/Optimisation.h"

#include "optimise/SystemOptimisation.h"
#include "program/Program.h"
#include "registry/StartWithWindows.h"

namespace brivex {

namespace {

constexpr std::int32_t kFinalValue = 100;

}  // namespace

void Optimisation::Command1_Click() {
    home_.window.SetMousePointer(ui::MousePointer::Hourglass);
    home_.window.SetEnabled(false);
    // The start-with-Windows value of the run's end goes into the undo file with the rows.
    static constexpr RegistryValuePath kRunValue[] = {{regroot::LocalMachine, kRunKey, kRunValueName}};
    const bool changed = OptimiseSystem(program_.platform, program_.settings,
                                        {.onStarted = [this] { home_.Timer1.SetEnabled(true); },
                                         .beforeRows = [this] { program_.loop.DoEvents(); },
                                         .alsoUndone = kRunValue,
                                         .goOnWithoutRestorePoint = [this] { return GoOnWithoutRestorePoint(); }});
    if (changed) return;
    // Declined: the window is as it was before the press.
    home_.window.SetEnabled(true);
    home_.window.SetMousePointer(ui::MousePointer::Default);
}

bool Optimisation::GoOnWithoutRestorePoint() {
    return program_.dialogs.MsgBox(home_.askWithoutRestorePoint.Caption(), ui::mb::Information | ui::mb::YesNo, "") ==
           ui::mb::AnswerYes;
}

void Optimisation::Timer1_Timer() {
    home_.Bar1.SetValue(home_.Bar1.Value() + 1);
    home_.window.SetMousePointer(ui::MousePointer::Hourglass);
    const std::int32_t value = home_.Bar1.Value();
    for (const Stage& stage : kStages) {
        if (stage.value != value) continue;
        if (stage.interval > 0) home_.Timer1.SetInterval(stage.interval);
        ShowStage(stage);
        if (value == kFinalValue) Finish();
        return;
    }
}

void Optimisation::ShowStage(const Stage& stage) {
    home_.Label3.SetCaption(program_.trans.GetMessageText(std::string(stage.textKey)));
    if (const auto* holder = dynamic_cast<const ui::Picture*>(home_.window.FindControl(stage.holder)))
        home_.Image9.SetPicture(holder->PictureName());
}

void Optimisation::Finish() {
    home_.window.SetMousePointer(ui::MousePointer::Default);
    home_.OptimisationDone = true;
    program_.settings.Save(setting::Reboot, "ok");
    SetStartWithWindows(program_.reg, program_.AppFolder(), StartEntry::AfterOptimise);
    home_.window.SetEnabled(true);
    home_.Timer1.SetEnabled(false);
    home_.window.SetMousePointer(ui::MousePointer::Default);
    home_.Bar1.SetValue(0);
}

}  // namespace brivex
