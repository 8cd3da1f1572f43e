#pragma once
// The program as the entry point puts it together: the context with every
// window registered, the windows waiting on the management service through
// their loop, and its windows, typed.

#include "app/FrmHome.h"
#include "app/Windows.h"
#include "backup/Sysbackup.h"
#include "optimise/FrmReboot.h"
#include "program/Program.h"
#include "program/WaitingManagementService.h"
#include "settings/FrmSettings.h"
#include "sysinfo/FrmInfoSys.h"
#include "tweaks/FrmTweak.h"

namespace brivex::testing {

class App {
    WaitingManagementService waitingManagement_;
    Platform windowsPlatform_;

public:
    App(Platform& platform, ui::EventLoop& loop, ui::FormHost& forms, ui::Dialogs& dialogs)
        : waitingManagement_(platform.management, loop),
          windowsPlatform_(platform.WithManagement(waitingManagement_)),
          program(windowsPlatform_, loop, forms, dialogs) {
        RegisterWindows(program);
    }

    FrmHome& Home() { return static_cast<FrmHome&>(program.Window(WindowKind::Home)); }
    FrmReboot& Reboot() { return static_cast<FrmReboot&>(program.Window(WindowKind::Reboot)); }
    FrmTweak& Tweak() { return static_cast<FrmTweak&>(program.Window(WindowKind::Tweak)); }
    FrmSettings& Settings() { return static_cast<FrmSettings&>(program.Window(WindowKind::Settings)); }
    Sysbackup& Backup() { return static_cast<Sysbackup&>(program.Window(WindowKind::Backup)); }
    FrmInfoSys& InfoSys() { return static_cast<FrmInfoSys&>(program.Window(WindowKind::InfoSys)); }

    Program program;
};

}  // namespace brivex::testing
