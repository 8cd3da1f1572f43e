#pragma once

#include <string>

#include "ui/Dialogs.h"

namespace brivex::ui {

class Win32Dialogs final : public Dialogs {
public:
    explicit Win32Dialogs(std::string applicationTitle) : applicationTitle_(std::move(applicationTitle)) {}
    int MsgBox(const std::string& text, int flags, const std::string& title) override;
    void RestartPrompt(Form& owner, int flags) override;

private:
    std::string applicationTitle_;
};

}  // namespace brivex::ui
