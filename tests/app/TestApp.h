#pragma once
// The program as the entry point puts it together: the context with every
// window registered, and its windows, typed.

#include "app/FrmHome.h"
#include "app/Windows.h"
#include "backup/Sysbackup.h"
#include "optimise/FrmReboot.h"
#include "program/Program.h"
#include "settings/FrmSettings.h"
#include "sysinfo/FrmInfoSys.h"
#include "tweaks/FrmTweak.h"

namespace brivex::testing {

class App {
public:
    App(Platform& platform, ui::EventLoop& loop, ui::FormHost& forms, ui::Dialogs& dialogs)
        : program(platform, loop, forms, dialogs) {
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
