#include "ui/win32/Win32FormHost.h"

#include "ui/win32/StandardPeers.h"

namespace brivex::ui {

Win32FormHost::Win32FormHost(EventLoop& loop) : loop_(loop) {
    FormWindow::RegisterClass();
    RegisterStandardPeers();
}

Win32FormHost::~Win32FormHost() = default;

void Win32FormHost::Show(Form& form) {
    if (ending_) return;
    auto& window = windows_[&form];
    if (!form.Loaded()) {
        // The window exists, hidden, while the form loads, as the load may shape it.
        window = std::make_unique<FormWindow>(form, *this);
        window->Create();
        form.SetLoaded(true);
        if (form.OnLoad) form.OnLoad();
        if (ending_ || !form.Loaded()) return;
    }
    if (form.State() == WindowState::Minimized) form.SetWindowState(WindowState::Normal);
    window->Show();
}

void Win32FormHost::Unload(Form& form) {
    if (!form.Loaded() || form.Unloading()) return;
    form.SetUnloading(true);
    if (form.OnUnload) form.OnUnload();
    form.SetLoaded(false);
    form.SetUnloading(false);
    if (const auto it = windows_.find(&form); it != windows_.end() && it->second) it->second->Destroy();
}

void Win32FormHost::EndProgram() {
    if (ending_) return;
    ending_ = true;
    for (auto& [form, window] : windows_) {
        form->SetLoaded(false);
        if (window) window->Destroy();
    }
    loop_.Quit();
}

}  // namespace brivex::ui
