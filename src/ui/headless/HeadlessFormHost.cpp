#include "ui/headless/HeadlessFormHost.h"

#include <algorithm>

#include "ui/Form.h"

namespace brivex::ui {

void HeadlessFormHost::Show(Form& form) {
    if (ending_) return;
    if (!form.Loaded()) {
        form.SetLoaded(true);
        log_.push_back("load " + form.Name());
        if (form.OnLoad) form.OnLoad();
        if (ending_ || !form.Loaded()) return;
    }
    if (!IsShown(form)) shown_.push_back(&form);
    log_.push_back("show " + form.Name());
    Activate(form);
}

void HeadlessFormHost::Activate(Form& form) {
    if (ending_ || !IsShown(form)) return;
    log_.push_back("activate " + form.Name());
    if (form.OnActivate) form.OnActivate();
}

void HeadlessFormHost::Unload(Form& form) {
    if (!form.Loaded() || form.Unloading()) return;
    form.SetUnloading(true);
    log_.push_back("unload " + form.Name());
    if (form.OnUnload) form.OnUnload();
    form.SetLoaded(false);
    form.SetUnloading(false);
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &form), shown_.end());
}

void HeadlessFormHost::EndProgram() {
    if (ending_) return;
    ending_ = true;
    log_.push_back("end");
    for (Form* form : shown_) form->SetLoaded(false);
    shown_.clear();
    loop_.Quit();
}

bool HeadlessFormHost::IsShown(const Form& form) const {
    return std::find(shown_.begin(), shown_.end(), &form) != shown_.end();
}

}  // namespace brivex::ui
