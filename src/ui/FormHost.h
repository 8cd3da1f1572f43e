#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "ui/EventLoop.h"

namespace brivex::ui {

class Form;

// Brings forms to the screen and takes them away, the same way on every host:
// a host says only what a form's window is made of. Show loads a form the
// first time (its window is made, hidden, then its Load event runs), then
// shows it, restored if it was minimised, and the host's window system
// activates it; the first time, its Shown event runs then. Activate runs when
// the program's active form changes: at a form's first showing and when the
// user comes back to it from another form.
// Unload runs a form's Unload event and destroys its window; EndProgram
// closes everything and stops the loop.
//
// The host alone keeps where each form is in that life, and owns its window:
// loading lasts from the window's making to the end of the Load event, the
// form is loaded from then until it is unloaded, shown from its first showing
// to its window's end, and unloading from the start of the Unload event to the
// window's end, so a second close meanwhile does nothing.
class FormHost {
public:
    // A form's window, as a host makes it.
    class Window {
    public:
        virtual ~Window() = default;
        virtual void Show() = 0;
        virtual void Destroy() = 0;
    };

    explicit FormHost(EventLoop& loop) : loop_(loop) {}
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;
    virtual ~FormHost();

    // True when the form is on screen after it: false when its window could
    // not be made, when its load or its first showing ended the program or
    // closed it, and while it is still loading (a second Show meanwhile leaves
    // it to the first).
    bool Show(Form& form);
    void Unload(Form& form);
    void EndProgram();
    bool Ending() const { return ending_; }
    bool IsShown(const Form& form) const;

    // A form's window became the active one, in front of the user.
    void Activated(Form& form);

protected:
    // Makes the form's window, hidden; null when none can be made (the host
    // tells the user why).
    virtual std::unique_ptr<Window> MakeWindowOf(Form& form) = 0;
    // Runs one of a form's event handlers.
    virtual void RunHandler(const std::function<void()>& handler) = 0;

private:
    struct Entry {
        Form* form;
        // Kept after the window's end until the form's next window is made:
        // a window may be destroyed from inside its own window procedure.
        std::unique_ptr<Window> window;
        bool open;
    };

    bool Load(Form& form);
    void Keep(Form& form, std::unique_ptr<Window> window);
    Entry* OpenEntryOf(const Form& form);
    void Close(Entry& entry);

    EventLoop& loop_;
    // The forms that had a window, in the order their last one was made.
    std::vector<Entry> entries_;
    const Form* activeForm_ = nullptr;
    bool ending_ = false;
};

}  // namespace brivex::ui
