#pragma once

#include "ui/EventLoop.h"
#include "ui/FormHost.h"

namespace brivex::ui {

// Shows forms in windows. A window that cannot be made is refused with a
// message, and its form is not loaded; no event handler's exception leaves.
// A form's window tells the host when it becomes the active one.
class Win32FormHost final : public FormHost {
public:
    explicit Win32FormHost(EventLoop& loop);

protected:
    std::unique_ptr<Window> MakeWindowOf(Form& form) override;
    void RunHandler(const std::function<void()>& handler) override;
};

}  // namespace brivex::ui
