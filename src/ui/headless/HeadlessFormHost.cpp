#include "ui/headless/HeadlessFormHost.h"

#include "ui/Form.h"

namespace brivex::ui {

class HeadlessFormHost::RecordedWindow final : public Window {
public:
    RecordedWindow(HeadlessFormHost& host, Form& form) : host_(host), form_(form) {}

    void Show() override {
        host_.log_.push_back("show " + form_.Name());
        host_.Activated(form_);
    }
    void Destroy() override { host_.log_.push_back("destroy " + form_.Name()); }

private:
    HeadlessFormHost& host_;
    Form& form_;
};

void HeadlessFormHost::Activate(Form& form) {
    if (IsShown(form)) Activated(form);
}

std::unique_ptr<FormHost::Window> HeadlessFormHost::MakeWindowOf(Form& form) {
    if (refused_.count(&form)) return nullptr;
    log_.push_back("create " + form.Name());
    return std::make_unique<RecordedWindow>(*this, form);
}

}  // namespace brivex::ui
