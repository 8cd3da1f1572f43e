#pragma once

#include <optional>
#include <string>

#include "program/DesignTexts.h"
#include "ui/Form.h"

namespace brivex {

class Program;

// A window the main window opens: the tweak panel, the settings, the backup
// and the information windows. They open and close the same way, written
// here once; each says only what is its own.
//
// Load: the design texts back (a window opened again starts as it was made),
// the window's own return to its design state, the rounded shape, topmost
// when the window follows "ontop" and the settings ask for it, the
// translation protocol, then the window's own last steps.
// Unload (by any means): the window's own stop, then the main window back to
// its normal state. Escape closes the window as its close commands do.
class ToolWindow : public ui::Form {
protected:
    enum class StaysOnTop { AsTheSettingsSay, Never };

    ToolWindow(Program& program, std::string name, std::string caption, StaysOnTop onTop);

    // Unloads the window, which brings the main window back.
    void Close();

    Program& program_;

private:
    // Runs after the design texts are back: the window's values as opened the first time.
    virtual void ReturnToDesignState() {}
    // Runs once the window is translated.
    virtual void AfterTranslation() {}
    // Runs as the window unloads, before the main window comes back.
    virtual void StopOnUnload() {}

    void Form_Load();
    void Form_Unload();

    StaysOnTop onTop_;
    // Taken at the first load, before anything has translated the window.
    std::optional<DesignTexts> designTexts_;
};

}  // namespace brivex
