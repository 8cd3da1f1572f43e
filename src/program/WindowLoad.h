#pragma once
// The steps the windows' loads share, written once: made topmost when the
// settings ask for it, and the translation every translated window goes
// through, in the one order the language files rely on.

#include <functional>
#include <string>

#include "ui/Form.h"

namespace brivex {

class Program;

// Topmost when "config"/"ontop" reads 1.
void MakeTopmostIfAsked(Program& program, ui::Form& window);

// The window's texts into the French reference file, a yield; the window's
// own step, given the reference file, and a yield, when it has one; then the
// chosen language read, a yield, and the window translated from it.
void TranslateOnLoad(Program& program, ui::Form& window,
                     const std::function<void(const std::string& frenchFile)>& ownStep = {});

// The chosen language read from the settings into the current language file,
// a yield, and the window translated from it.
void TranslateFromChosenLanguage(Program& program, ui::Form& window);

}  // namespace brivex
