#include "app/Windows.h"

#include "app/FrmHome.h"
#include "optimise/FrmReboot.h"
#include "backup/Sysbackup.h"
#include "program/Program.h"
#include "settings/FrmSettings.h"
#include "sysinfo/FrmInfoSys.h"
#include "tweaks/FrmTweak.h"

namespace brivex {

void RegisterWindows(Program& program) {
    program.RegisterWindow(WindowKind::Home, [](Program& p) { return std::make_unique<FrmHome>(p); });
    program.RegisterWindow(WindowKind::Reboot, [](Program& p) { return std::make_unique<FrmReboot>(p); });
    program.RegisterWindow(WindowKind::Tweak, [](Program& p) { return std::make_unique<FrmTweak>(p); });
    program.RegisterWindow(WindowKind::Settings, [](Program& p) { return std::make_unique<FrmSettings>(p); });
    program.RegisterWindow(WindowKind::Backup, [](Program& p) { return std::make_unique<Sysbackup>(p); });
    program.RegisterWindow(WindowKind::InfoSys, [](Program& p) { return std::make_unique<FrmInfoSys>(p); });
}

}  // namespace brivex
