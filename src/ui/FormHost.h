#pragma once

#include <functional>
#include <vector>

#include "ui/EventLoop.h"

namespace brivex::ui {

class Form;

// Brings forms to the screen and takes them away, the same way on every host:
// a host says only what a form's window is made of. Show loads a form the
// first time (its window is made, hidden, then its Load event runs), then
// shows it, restored if it was minimised, and the host's window system
// activates it; the first time, its Shown event runs then. Activate runs when the program's active form changes: at a
// form's first showing and when the user comes back to it from another form.
// Unload runs a form's Unload event and destroys its window; EndProgram
// closes everything and stops the loop.
class FormHost {
public:
    explicit FormHost(EventLoop& loop) : loop_(loop) {}
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;
    virtual ~FormHost() = default;

    // True when the form is on screen after it: false when its window could
    // not be made, when its load or its first showing ended the program or
    // closed it, and while it is still loading (a second Show meanwhile leaves
    // it to the first).
    bool Show(Form& form);
    void Unload(Form& form);
    void EndProgram();
    bool Ending() const { return ending_; }

    // A form's window became the active one, in front of the user.
    void Activated(Form& form);

protected:
    // Makes the form's window, hidden; false when none can be made (the host
    // tells the user why).
    virtual bool MakeWindowOf(Form& form) = 0;
    virtual void ShowWindowOf(Form& form) = 0;
    virtual void DestroyWindowOf(Form& form) = 0;
    // Runs one of a form's event handlers.
    virtual void RunHandler(const std::function<void()>& handler) = 0;

private:
    bool Load(Form& form);
    void Forget(Form& form);

    EventLoop& loop_;
    // The forms that have a window, in the order they were made.
    std::vector<Form*> windows_;
    const Form* activeForm_ = nullptr;
    bool ending_ = false;
};

}  // namespace brivex::ui
