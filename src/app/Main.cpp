#include "app/Main.h"

#include "app/App.h"
#include "app/FrmHome.h"
#include "app/HomeTexts.h"
#include "optimise/FrmReboot.h"

namespace brivex {

bool Main(App& app) {
    const std::optional<int> platformId = app.platform.system.PlatformId();
    if (!platformId) return false;
    if (*platformId == 0 || *platformId == 1) {
        app.dialogs.MsgBox(hometexts::kIncompatibleSystem, ui::mb::Information, hometexts::kIncompatibleSystemTitle);
        return false;
    }
    if (*platformId != 2) return false;

    // Case matters: only the marker the optimisation itself wrote counts.
    if (app.settings.GetSetting("config", "reboot") == "ok") app.forms.Show(app.Reboot());
    else app.forms.Show(app.Home());
    return !app.forms.Ending();
}

}  // namespace brivex
