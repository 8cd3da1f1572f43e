#include "program/WindowLoad.h"

#include "program/Program.h"

namespace brivex {

void MakeTopmostIfAsked(Program& program, ui::Form& window) {
    if (program.settings.ReadsAs(setting::OnTop, 1)) window.MakeTopmost();
}

void TranslateOnLoad(Program& program, ui::Form& window,
                     const std::function<void(const std::string& frenchFile)>& ownStep) {
    const std::string frenchFile = FrenchReferenceFile(program.AppFolder());
    program.trans.WriteFormTexts(window, frenchFile);
    program.loop.DoEvents();
    if (ownStep) {
        ownStep(frenchFile);
        program.loop.DoEvents();
    }
    TranslateFromChosenLanguage(program, window);
}

void TranslateFromChosenLanguage(Program& program, ui::Form& window) {
    program.language.CurrentLanguageFile =
        program.settings.Get(setting::LanguageFile, FrenchReferenceFile(program.AppFolder()));
    program.loop.DoEvents();
    program.trans.TranslateForm(window, program.language.CurrentLanguageFile);
}

}  // namespace brivex
