#include "ui/win32/Win32FormHost.h"

#include "ui/RuntimeTexts.h"
#include "ui/win32/ErrorBarrier.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/StandardPeers.h"

namespace brivex::ui {

Win32FormHost::Win32FormHost(EventLoop& loop) : FormHost(loop) { RegisterStandardPeers(); }

std::unique_ptr<FormHost::Window> Win32FormHost::MakeWindowOf(Form& form) {
    auto window = std::make_unique<FormWindow>(form, *this);
    if (window->Create()) return window;
    ReportError(runtimetexts::WindowNotMade(form.Caption()));
    return nullptr;
}

void Win32FormHost::RunHandler(const std::function<void()>& handler) {
    if (handler) RunGuarded(handler);
}

}  // namespace brivex::ui
