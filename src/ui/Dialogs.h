#pragma once

#include <string>

namespace brivex::ui {

class Form;

// Message box flags and answers, with the system's values.
namespace mb {
inline constexpr int Ok = 0;
inline constexpr int YesNo = 4;
inline constexpr int Information = 64;
inline constexpr int SystemModal = 4096;
inline constexpr int AnswerOk = 1;
inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;
}  // namespace mb

// The system restart dialog's flags, with the system's values.
namespace restart {
// A restart that asks running programs to close, so each can save its work
// first. Adding the forced flag (4) would end them without asking.
inline constexpr int Reboot = 2;
}  // namespace restart

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // An empty title shows the application title.
    virtual int MsgBox(const std::string& text, int flags, const std::string& title) = 0;
    // The system's own restart dialog, for `owner`: no prompt text, `flags` of `restart`.
    virtual void RestartPrompt(Form& owner, int flags) = 0;
};

}  // namespace brivex::ui
