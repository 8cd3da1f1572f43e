#pragma once

#include <set>
#include <string>
#include <vector>

#include "ui/EventLoop.h"
#include "ui/FormHost.h"

namespace brivex::ui {

// Forms without a screen: a form's window is a record. A window shown
// becomes the active one, as the system makes it; the log keeps what
// happened to the windows, in order, for the tests.
class HeadlessFormHost final : public FormHost {
public:
    explicit HeadlessFormHost(EventLoop& loop) : FormHost(loop) {}

    // The user comes back to a form from another window of the program.
    void Activate(Form& form);
    // The next windows of this form cannot be made, as when the system refuses one.
    void RefuseWindow(const Form& form) { refused_.insert(&form); }
    // "create", "show" and "destroy", each followed by the form's name.
    const std::vector<std::string>& Log() const { return log_; }

protected:
    std::unique_ptr<Window> MakeWindowOf(Form& form) override;
    void RunHandler(const std::function<void()>& handler) override {
        if (handler) handler();
    }

private:
    class RecordedWindow;

    std::set<const Form*> refused_;
    std::vector<std::string> log_;
};

}  // namespace brivex::ui
