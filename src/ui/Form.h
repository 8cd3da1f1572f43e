#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace brivex::ui {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// Mouse pointers the program uses: the default and the hourglass.
enum class MousePointer { Default = 0, Hourglass = 11 };

// What a form's window is told.
class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetWindowState(WindowState state) = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;
    virtual void SetTopmost() = 0;
    virtual void ApplyRoundedShape() = 0;
    virtual void BeginDrag() = 0;
};

class Form {
public:
    Form(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

    // The control collection, in declaration order.
    const std::vector<Control*>& Controls() const { return controls_; }
    Control* FindControl(std::string_view name, std::optional<int> index = std::nullopt) const;

    // Client size in twips, and the named drawing that fills the background.
    const Bounds& Design() const { return design_; }
    void SetDesign(int widthTwips, int heightTwips, std::string background) {
        design_ = {0, 0, widthTwips, heightTwips};
        background_ = std::move(background);
    }
    const std::string& Background() const { return background_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    WindowState State() const { return state_; }
    void SetWindowState(WindowState state);
    MousePointer Pointer() const { return pointer_; }
    void SetMousePointer(MousePointer pointer);
    bool Topmost() const { return topmost_; }
    void MakeTopmost();
    bool RoundedShape() const { return rounded_; }
    void ApplyRoundedShape();
    // A mouse button pressed on the window's body lets the system move the window.
    void BeginDrag();

    // Events. Load runs when the form is shown the first time, before its
    // window comes on screen; Shown once it is there, in front of the user
    // (what the user must see the window behind); Unload when it closes.
    std::function<void()> OnLoad;
    std::function<void()> OnShown;
    std::function<void()> OnActivate;
    std::function<void()> OnUnload;
    std::function<void()> OnMouseDown;
    // The user pressed Ctrl+C with no text selected in a box of the window.
    std::function<void()> OnCopy;
    // The user pressed Escape in the window.
    std::function<void()> OnCancel;

    // True once its Load event has returned, until it is unloaded (the form host says when).
    bool Loaded() const { return loaded_; }
    // The user minimised or restored the window: the model follows, the window is not told again.
    void WindowStateChangedByUser(WindowState state) { state_ = state; }

    void AttachPeer(FormPeer* peer) { peer_ = peer; }
    FormPeer* Peer() const { return peer_; }

private:
    friend class Control;
    // Where the form is in its life on screen is the form host's to say and to change.
    friend class FormHost;
    void Register(Control& control) { controls_.push_back(&control); }

    std::string name_;
    std::string caption_;
    std::vector<Control*> controls_;
    Bounds design_{0, 0, 7200, 5400};
    std::string background_;
    bool enabled_ = true;
    WindowState state_ = WindowState::Normal;
    MousePointer pointer_ = MousePointer::Default;
    bool topmost_ = false;
    bool rounded_ = false;
    bool loading_ = false;
    bool loaded_ = false;
    bool shown_ = false;
    bool unloading_ = false;
    FormPeer* peer_ = nullptr;
};

}  // namespace brivex::ui
