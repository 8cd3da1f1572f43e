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

private:
    bool AnyLoaded() const;

    EventLoop& loop_;
    std::map<Form*, std::unique_ptr<FormWindow>> windows_;
    bool ending_ = false;
};

}  // namespace brivex::ui
