#include "ui/win32/Win32FormHost.h"

#include "ui/win32/ErrorBarrier.h"
#include "ui/win32/StandardPeers.h"

namespace brivex::ui {

Win32FormHost::Win32FormHost(EventLoop& loop) : FormHost(loop) { RegisterStandardPeers(); }

Win32FormHost::~Win32FormHost() = default;

bool Win32FormHost::MakeWindowOf(Form& form) {
    auto window = std::make_unique<FormWindow>(form, *this);
    if (!window->Create()) {
        ReportError("La fen\u00eatre \u00ab " + form.Caption() + " \u00bb n'a pas pu \u00eatre cr\u00e9\u00e9e.");
        return false;
    }
    windows_[&form] = std::move(window);
    return true;
}

void Win32FormHost::ShowWindowOf(Form& form) { windows_.at(&form)->Show(); }

void Win32FormHost::DestroyWindowOf(Form& form) {
    if (const auto it = windows_.find(&form); it != windows_.end()) it->second->Destroy();
}

void Win32FormHost::RunHandler(const std::function<void()>& handler) {
    if (handler) RunGuarded(handler);
}

}  // namespace brivex::ui
