#include "ui/win32/Win32FormHost.h"

#include "ui/win32/ErrorBarrier.h"
#include "ui/win32/StandardPeers.h"

namespace brivex::ui {

namespace {

void Run(const std::function<void()>& event) {
    if (event) RunGuarded(event);
}

}  // namespace

Win32FormHost::Win32FormHost(EventLoop& loop) : loop_(loop) { RegisterStandardPeers(); }

Win32FormHost::~Win32FormHost() = default;

void Win32FormHost::Show(Form& form) {
    if (ending_) return;
    auto& window = windows_[&form];
    if (!form.Loaded()) {
        // The window exists, hidden, while the form loads, as the load may shape it.
        window = std::make_unique<FormWindow>(form, *this);
        if (!window->Create()) {
            window.reset();
            ReportError("La fen\u00eatre \u00ab " + form.Caption() + " \u00bb n'a pas pu \u00eatre cr\u00e9\u00e9e.");
            // The program lives as long as one of its windows.
            if (!AnyLoaded()) EndProgram();
            return;
        }
        form.SetLoaded(true);
        Run(form.OnLoad);
        if (ending_ || !form.Loaded()) return;
    }
    if (form.State() == WindowState::Minimized) form.SetWindowState(WindowState::Normal);
    window->Show();
}

void Win32FormHost::Unload(Form& form) {
    if (!form.Loaded() || form.Unloading()) return;
    form.SetUnloading(true);
    Run(form.OnUnload);
    form.SetLoaded(false);
    form.SetUnloading(false);
    if (const auto it = windows_.find(&form); it != windows_.end() && it->second) it->second->Destroy();
    if (activeForm_ == &form) activeForm_ = nullptr;
}

void Win32FormHost::Activated(Form& form) {
    // While the program ends, its windows go one by one and pass the activation on.
    if (ending_ || activeForm_ == &form) return;
    activeForm_ = &form;
    Run(form.OnActivate);
}

void Win32FormHost::EndProgram() {
    if (ending_) return;
    ending_ = true;
    for (auto& [form, window] : windows_) {
        form->SetLoaded(false);
        if (window) window->Destroy();
    }
    activeForm_ = nullptr;
    loop_.Quit();
}

bool Win32FormHost::AnyLoaded() const {
    for (const auto& [form, window] : windows_)
        if (form->Loaded()) return true;
    return false;
}

}  // namespace brivex::ui
