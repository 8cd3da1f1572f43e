#pragma once

#include <map>
#include <memory>

#include "ui/EventLoop.h"
#include "ui/FormHost.h"
#include "ui/win32/FormWindow.h"

namespace brivex::ui {

// Shows forms in windows. A window that cannot be made is refused with a
// message, and its form is not loaded; no event handler's exception leaves.
class Win32FormHost final : public FormHost {
public:
    explicit Win32FormHost(EventLoop& loop);
    ~Win32FormHost() override;

    void Show(Form& form) override;
    void Unload(Form& form) override;
    void EndProgram() override;
    bool Ending() const override { return ending_; }

    // A form's window became the active one, in front of the user. The form's
    // Activate runs when the program's active form changes: at its first
    // showing and when the user comes back to it from another form, not when
    // they come back from a message box or from another program.
    void Activated(Form& form);

private:
    bool AnyLoaded() const;

    EventLoop& loop_;
    std::map<Form*, std::unique_ptr<FormWindow>> windows_;
    const Form* activeForm_ = nullptr;
    bool ending_ = false;
};

}  // namespace brivex::ui
