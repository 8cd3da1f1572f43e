#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/Dialogs.h"

namespace brivex::ui {

// Dialogs of the native tests: every call is recorded, answers come from a script.
class ScriptedDialogs final : public Dialogs {
public:
    struct Call {
        std::string kind;  // "message" or "restart"
        std::string text;
        int flags = 0;
        std::string title;
        std::string owner;  // the form of a restart prompt
    };

    int MsgBox(const std::string& text, int flags, const std::string& title) override;
    void RestartPrompt(Form& owner, int flags) override;

    // Answers the next message boxes in order; without one a box answers OK.
    void Answer(int answer) { answers_.push_back(answer); }
    const std::vector<Call>& Calls() const { return calls_; }
    // Runs while a box is open, as the user would act while it waits.
    std::function<void(const Call&)> WhileOpen;

private:
    std::deque<int> answers_;
    std::vector<Call> calls_;
};

}  // namespace brivex::ui
