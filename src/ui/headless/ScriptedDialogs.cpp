#include "ui/headless/ScriptedDialogs.h"

#include "ui/Form.h"

namespace brivex::ui {

int ScriptedDialogs::MsgBox(const std::string& text, int flags, const std::string& title) {
    calls_.push_back({"message", text, flags, title, {}});
    if (WhileOpen) WhileOpen(calls_.back());
    if (answers_.empty()) return mb::AnswerOk;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedDialogs::RestartPrompt(Form& owner, int flags) {
    calls_.push_back({"restart", {}, flags, {}, owner.Name()});
    if (WhileOpen) WhileOpen(calls_.back());
}

}  // namespace brivex::ui
