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
      donePicture(*this, "Image9", "reboot.done"),
      bootPicture(*this, "Image1", "reboot.boot"),
      processorPicture(*this, "Image2", "reboot.processor"),
      diskPicture(*this, "Image3", "reboot.disk"),
      report(*this, "Label1", "Label1"),
      revealTimer(*this, "Timer1", program.loop, 1000, false),
      program_(program) {
    SetDesign(rebootdesign::kWidth, rebootdesign::kHeight, "reboot.background");
    donePicture.SetPosition(look::DesignBounds(24, 82, 112, 112));
    bootPicture.SetPosition(look::DesignBounds(24, 214, 32, 32));
    processorPicture.SetPosition(look::DesignBounds(64, 214, 32, 32));
    diskPicture.SetPosition(look::DesignBounds(104, 214, 32, 32));
    report.SetPosition(rebootdesign::kReport);
    ui::Appearance reportLook = look::Text(8.25, false, look::kInk);
    reportLook.fontName = "Courier New";
    report.SetLook(reportLook);

    OnLoad = [this] { Form_Load(); };
    OnMouseDown = [this] { BeginDrag(); };
    OnUnload = [this] { program_.forms.EndProgram(); };
    revealTimer.OnTick = [this] { RevealNextLine(); };
}

void FrmReboot::Form_Load() {
    ApplyRoundedShape();
    MakeTopmost();
    report.SetCaption(kReport);
    // Counted from the load, not from the window's creation: a tick of a
    // window never shown would clear the marker and end the program.
    revealTimer.SetEnabled(true);
}

void FrmReboot::RevealNextLine() {
    ui::Bounds shown = report.Position();
    if (shown.height < kRevealLimit) {
        shown.height += kRevealStep;
        report.SetPosition(shown);
        return;
    }
    // Stopped before anything else: the restart prompt waits in a message
    // loop, and a tick reaching this point twice would prompt twice.
    revealTimer.SetEnabled(false);
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
