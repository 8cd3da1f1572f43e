#include "ui/FormHost.h"

#include <algorithm>

#include "ui/Form.h"

namespace brivex::ui {

FormHost::~FormHost() {
    // Windows still open end with their entries, and pass no activation on to a host that is going.
    ending_ = true;
}

bool FormHost::Show(Form& form) {
    if (ending_ || form.loading_ || form.unloading_) return false;
    const bool firstShowing = !form.loaded_;
    if (firstShowing && !Load(form)) return false;
    if (form.State() == WindowState::Minimized) form.SetWindowState(WindowState::Normal);
    form.shown_ = true;
    OpenEntryOf(form)->window->Show();
    if (!firstShowing) return true;
    RunHandler(form.OnShown);
    return !ending_ && form.loaded_;
}

bool FormHost::IsShown(const Form& form) const { return form.shown_; }

bool FormHost::Load(Form& form) {
    std::unique_ptr<Window> window = MakeWindowOf(form);
    if (!window) {
        // The program lives as long as one of its windows.
        if (std::none_of(entries_.begin(), entries_.end(), [](const Entry& entry) { return entry.open; })) EndProgram();
        return false;
    }
    Keep(form, std::move(window));
    form.loading_ = true;
    RunHandler(form.OnLoad);
    form.loading_ = false;
    if (ending_) return false;
    form.loaded_ = true;
    return true;
}

void FormHost::Keep(Form& form, std::unique_ptr<Window> window) {
    const auto old = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.form == &form; });
    if (old != entries_.end()) entries_.erase(old);
    entries_.push_back(Entry{&form, std::move(window), true});
}

FormHost::Entry* FormHost::OpenEntryOf(const Form& form) {
    const auto it =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.open && e.form == &form; });
    return it == entries_.end() ? nullptr : &*it;
}

void FormHost::Unload(Form& form) {
    if (!form.loaded_ || form.unloading_) return;
    form.unloading_ = true;
    RunHandler(form.OnUnload);
    form.loaded_ = false;
    form.unloading_ = false;
    if (activeForm_ == &form) activeForm_ = nullptr;
    if (Entry* entry = OpenEntryOf(form)) Close(*entry);
}

void FormHost::Close(Entry& entry) {
    // The entry is done with before the window goes: its end may run handlers that show other forms.
    entry.open = false;
    entry.form->shown_ = false;
    entry.window->Destroy();
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
    for (Entry& entry : entries_) {
        if (!entry.open) continue;
        entry.form->loaded_ = false;
        Close(entry);
    }
    loop_.Quit();
}

}  // namespace brivex::ui
