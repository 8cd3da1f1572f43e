#include "optimise/Optimisation.h"

#include <cassert>

#include "optimise/SystemOptimisation.h"
#include "program/Program.h"
#include "registry/StartWithWindows.h"

namespace brivex {

namespace {

constexpr std::int32_t kFinalValue = 100;

}  // namespace

void Optimisation::Start() {
    home_.window.SetMousePointer(ui::MousePointer::Hourglass);
    home_.window.SetEnabled(false);
    // The start-with-Windows value of the run's end goes into the undo file with the rows.
    static constexpr RegistryValuePath kRunValue[] = {{regroot::LocalMachine, kRunKey, kRunValueName}};
    const bool changed = OptimiseSystem(program_.platform, program_.settings,
                                        {.onStarted = [this] { home_.stageTimer.SetEnabled(true); },
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

void Optimisation::Tick() {
    home_.progressBar.SetValue(home_.progressBar.Value() + 1);
    home_.window.SetMousePointer(ui::MousePointer::Hourglass);
    const std::int32_t value = home_.progressBar.Value();
    for (std::size_t stage = 0; stage < std::size(kStages); ++stage) {
        if (kStages[stage].value != value) continue;
        if (kStages[stage].interval > 0) home_.stageTimer.SetInterval(kStages[stage].interval);
        ShowStage(stage);
        if (value == kFinalValue) Finish();
        return;
    }
}

void Optimisation::ShowStage(std::size_t stage) {
    assert(stage < home_.stagePictures.size() && "one hidden picture a stage");
    home_.stageText.SetCaption(program_.trans.GetMessageText(std::string(kStages[stage].textKey)));
    home_.stagePicture.SetPicture(home_.stagePictures[stage]->PictureName());
}

void Optimisation::Finish() {
    home_.window.SetMousePointer(ui::MousePointer::Default);
    home_.done = true;
    program_.settings.Save(setting::Reboot, "ok");
    SetStartWithWindows(program_.reg, program_.AppFolder(), StartEntry::AfterOptimise);
    home_.window.SetEnabled(true);
    home_.stageTimer.SetEnabled(false);
    home_.window.SetMousePointer(ui::MousePointer::Default);
    home_.progressBar.SetValue(0);
}

}  // namespace brivex
