#pragma once

#include <string>
#include <vector>

#include "ui/EventLoop.h"
#include "ui/FormHost.h"

namespace brivex::ui {

// Shows forms without a screen: Load, then visible, then Activate, as a window
// would go through them; records the order for the tests.
class HeadlessFormHost final : public FormHost {
public:
    explicit HeadlessFormHost(EventLoop& loop) : loop_(loop) {}

    void Show(Form& form) override;
    void Unload(Form& form) override;
    void EndProgram() override;
    bool Ending() const override { return ending_; }

    // The user comes back to a form from another window of the program.
    void Activate(Form& form);
    bool IsShown(const Form& form) const;
    const std::vector<std::string>& Log() const { return log_; }

private:
    EventLoop& loop_;
    std::vector<Form*> shown_;
    std::vector<std::string> log_;
    bool ending_ = false;
};

}  // namespace brivex::ui
