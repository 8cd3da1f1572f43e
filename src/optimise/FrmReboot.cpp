#include "optimise/FrmReboot.h"

#include "program/Program.h"
#include "program/WindowLook.h"
#include "registry/StartWithWindows.h"

namespace brivex {

namespace {

// The label grows until it reaches this height; 215 twips is about one more line.
constexpr int kRevealLimit = 3100;
constexpr int kRevealStep = 215;

// Lines joined by single carriage returns; the dots line up in a monospaced font.
constexpr char kReport[] =
    "  Velmora Doziv ... Patientez.. \r"
    "\r"
    "  Analyse des réglages : \r"
    "\r"
    " - Accélération du boot.........................Ok\r"
    " - Accélération des applications ...............Ok \r"
    " - Optimisation du cache Processeur.............Ok \r"
    " - Optimisation de l'accès disque...............Ok \r"
    " - Vérification du noyau Windows................Ok \r"
    "\r"
    "               Vérification Terminée. \r"
    "\r"
    "\r"
    "  Vous devez redémarrer votre machine.";

}  // namespace

FrmReboot::FrmReboot(Program& program)
    : Form("FrmReboot", "Brivex Doziv Optimizing..."),
      Image9(*this, "Image9", "reboot.done"),
      Image1(*this, "Image1", "reboot.boot"),
      Image2(*this, "Image2", "reboot.processor"),
      Image3(*this, "Image3", "reboot.disk"),
      Label1(*this, "Label1", "Label1"),
      Timer1(*this, "Timer1", program.loop, 1000, false),
      program_(program) {
    SetDesign(rebootdesign::kWidth, rebootdesign::kHeight, "reboot.background");
    Image9.SetPosition(look::DesignBounds(24, 82, 112, 112));
    Image1.SetPosition(look::DesignBounds(24, 214, 32, 32));
    Image2.SetPosition(look::DesignBounds(64, 214, 32, 32));
    Image3.SetPosition(look::DesignBounds(104, 214, 32, 32));
    Label1.SetPosition(rebootdesign::kReport);
    ui::Appearance report = look::Text(8.25, false, look::kInk);
    report.fontName = "Courier New";
    Label1.SetLook(report);

    OnLoad = [this] { Form_Load(); };
    OnMouseDown = [this] { BeginDrag(); };
    OnUnload = [this] { program_.forms.EndProgram(); };
    Timer1.OnTick = [this] { Timer1_Timer(); };
}

void FrmReboot::Form_Load() {
    ApplyRoundedShape();
    MakeTopmost();
    Label1.SetCaption(kReport);
    // Counted from the load, not from the window's creation: a tick of a
    // window never shown would clear the marker and end the program.
    Timer1.SetEnabled(true);
}

void FrmReboot::Timer1_Timer() {
    ui::Bounds report = Label1.Position();
    if (report.height < kRevealLimit) {
        report.height += kRevealStep;
        Label1.SetPosition(report);
        return;
    }
    // Stopped before anything else: the restart prompt waits in a message
    // loop, and a tick reaching this point twice would prompt twice.
    Timer1.SetEnabled(false);
    Finish();
}

void FrmReboot::Finish() {
    program_.settings.Save(setting::Reboot, "no");
    // Only a text reading as 0 removes the entry; a text that is no number
    // leaves it, as nothing says the user wanted it gone.
    if (program_.settings.ReadsAs(setting::WinStart, 0))
        SetStartWithWindows(program_.reg, program_.AppFolder(), StartEntry::None);
    program_.dialogs.RestartPrompt(*this, ui::restart::Reboot);
    program_.forms.Unload(*this);
}

}  // namespace brivex
