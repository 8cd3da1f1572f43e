#include "ui/FormHost.h"

#include <algorithm>

#include "ui/Form.h"

namespace brivex::ui {

bool FormHost::Show(Form& form) {
    if (ending_ || form.Loading() || form.Unloading()) return false;
    const bool firstShowing = !form.Loaded();
    if (firstShowing && !Load(form)) return false;
    if (form.State() == WindowState::Minimized) form.SetWindowState(WindowState::Normal);
    ShowWindowOf(form);
    if (!firstShowing) return true;
    RunHandler(form.OnShown);
    return !ending_ && form.Loaded();
}

bool FormHost::Load(Form& form) {
    if (!MakeWindowOf(form)) {
        // The program lives as long as one of its windows.
        if (windows_.empty()) EndProgram();
        return false;
    }
    windows_.push_back(&form);
    form.SetLoading(true);
    RunHandler(form.OnLoad);
    form.SetLoading(false);
    if (ending_) return false;
    form.SetLoaded(true);
    return true;
}

void FormHost::Unload(Form& form) {
    if (!form.Loaded() || form.Unloading()) return;
    form.SetUnloading(true);
    RunHandler(form.OnUnload);
    form.SetLoaded(false);
    form.SetUnloading(false);
    Forget(form);
}

void FormHost::Forget(Form& form) {
    if (activeForm_ == &form) activeForm_ = nullptr;
    const auto it = std::find(windows_.begin(), windows_.end(), &form);
    if (it == windows_.end()) return;
    windows_.erase(it);
    DestroyWindowOf(form);
}

void FormHost::Activated(Form& form) {
    // While the program ends, its windows go one by one and pass the activation on.
    if (ending_ || activeForm_ == &form) return;
    activeForm_ = &form;
    RunHandler(form.OnActivate);
}

void FormHost::EndProgram() {
    if (ending_) return;
    ending_ = true;
    activeForm_ = nullptr;
    std::vector<Form*> forms;
    forms.swap(windows_);
    for (Form* form : forms) {
        form->SetLoaded(false);
        DestroyWindowOf(*form);
    }
    loop_.Quit();
}

}  // namespace brivex::ui
