#include "optimise/Optimisation.h"

#include "optimise/RegistryChangeList.h"
#include "program/Program.h"
#include "registry/ApplyWrites.h"
#include "registry/StartWithWindows.h"
#include "restore/RestorePointService.h"

namespace brivex {

namespace {

constexpr std::int32_t kFinalValue = 100;

}  // namespace

void Optimisation::Command1_Click() {
    home_.window.SetMousePointer(ui::MousePointer::Hourglass);
    home_.window.SetEnabled(false);
    // Before any change, so the restore point can undo them all.
    if (program_.settings.ReadsAs(setting::OptiStart, 1))
        MakeRestorePoint(program_.platform.management, kAutoRestorePoint, restorepointtype::ModifySettings);
    home_.Timer1.SetEnabled(true);

    const std::uint64_t physicalBytes = program_.platform.system.Memory().totalPhysical;
    const std::int32_t pageLock = PageLockValueFor(physicalBytes);
    const bool largeMemory = WritesDisablePagingExecutive(physicalBytes);

    const std::string windowsFolder = program_.platform.system.WindowsFolder();
    if (!windowsFolder.empty()) program_.platform.shell.DeleteFiles(windowsFolder + "\\Prefetch\\*.pf");

    program_.loop.DoEvents();
    // The start-with-Windows value of the run's end goes into the undo file with the rows.
    static constexpr RegistryValuePath kRunValue[] = {{regroot::LocalMachine, kRunKey, kRunValueName}};
    ApplyWrites(program_.platform, RegistryChanges(),
                {.pageLockValue = pageLock,
                 .largeMemory = largeMemory,
                 .alsoUndone = kRunValue,
                 .pauseAt = kRowsBeforeCleanUp,
                 .pause = [this] { CleanUp(); }});
}

void Optimisation::CleanUp() {
    if (program_.settings.ReadsAs(setting::DocAtRun, 1)) program_.platform.shell.ClearRecentDocuments();
    if (program_.settings.ReadsAs(setting::PressAtRun, 1)) program_.platform.shell.EmptyClipboard();
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
    program_.reg.WriteValue(regroot::LocalMachine, kRunKey, kRunValueName, RunValueData(program_.AppFolder()),
                        regtype::String);
    home_.window.SetEnabled(true);
    home_.Timer1.SetEnabled(false);
    home_.window.SetMousePointer(ui::MousePointer::Default);
    home_.Bar1.SetValue(0);
}

}  // namespace brivex
