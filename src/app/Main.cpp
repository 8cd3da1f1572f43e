#include "app/Main.h"

#include "app/HomeTexts.h"
#include "platform/SystemFacts.h"
#include "program/Program.h"

namespace brivex {

bool Main(Program& program) {
    const std::optional<int> platformId = program.platform.system.PlatformId();
    if (!platformId) return false;
    if (*platformId == 0 || *platformId == 1) {
        program.dialogs.MsgBox(hometexts::kIncompatibleSystem, ui::mb::Information,
                               hometexts::kIncompatibleSystemTitle);
        return false;
    }
    if (*platformId != 2) return false;

    // Case matters: only the marker the optimisation itself wrote counts.
    program.Open(program.settings.Get(setting::Reboot) == "ok" ? WindowKind::Reboot : WindowKind::Home);
    return !program.forms.Ending();
}

}  // namespace brivex
