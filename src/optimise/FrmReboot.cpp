#include "optimise/FrmReboot.h"

#include "app/App.h"

namespace brivex {

FrmReboot::FrmReboot(App& app)
    : Form("FrmReboot", "Brivex Doziv Optimizing..."),
      Label1(*this, "Label1", "L'optimisation de votre système est terminée."),
      Command1(*this, "Command1", "Fermer"),
      app_(app) {
    SetDesign(6900, 3000, "reboot.background");
    Label1.SetPosition({600, 900, 5700, 600});
    Command1.SetPosition({4800, 2100, 1500, 450});
    OnLoad = [this] { ApplyRoundedShape(); };
    OnMouseDown = [this] { BeginDrag(); };
    OnUnload = [this] { app_.forms.EndProgram(); };
    Command1.OnClick = [this] { app_.forms.Unload(*this); };
}

}  // namespace brivex
