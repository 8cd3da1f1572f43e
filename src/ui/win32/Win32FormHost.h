#pragma once

#include <map>
#include <memory>

#include "ui/EventLoop.h"
#include "ui/FormHost.h"
#include "ui/win32/FormWindow.h"

namespace brivex::ui {

// Shows forms in windows. A window that cannot be made is refused with a
// message, and its form is not loaded; no event handler's exception leaves.
// A form's window tells the host when it becomes the active one.
class Win32FormHost final : public FormHost {
public:
    explicit Win32FormHost(EventLoop& loop);
    ~Win32FormHost() override;

protected:
    bool MakeWindowOf(Form& form) override;
    void ShowWindowOf(Form& form) override;
    void DestroyWindowOf(Form& form) override;
    void RunHandler(const std::function<void()>& handler) override;

private:
    // A window outlives its destruction until the form is loaded again: it
    // may be destroyed from inside its own window procedure.
    std::map<Form*, std::unique_ptr<FormWindow>> windows_;
};

}  // namespace brivex::ui
