#include "ui/headless/HeadlessFormHost.h"

#include "ui/Form.h"

namespace brivex::ui {

void HeadlessFormHost::Activate(Form& form) {
    if (IsShown(form)) Activated(form);
}

bool HeadlessFormHost::MakeWindowOf(Form& form) {
    if (refused_.count(&form)) return false;
    log_.push_back("create " + form.Name());
    return true;
}

void HeadlessFormHost::ShowWindowOf(Form& form) {
    shown_.insert(&form);
    log_.push_back("show " + form.Name());
    Activated(form);
}

void HeadlessFormHost::DestroyWindowOf(Form& form) {
    shown_.erase(&form);
    log_.push_back("destroy " + form.Name());
}

}  // namespace brivex::ui
