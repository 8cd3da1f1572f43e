#include "app/App.h"

#include "app/FrmHome.h"
#include "optimise/FrmReboot.h"

namespace brivex {

App::App(Platform& platform_, ui::EventLoop& loop_, ui::FormHost& forms_, ui::Dialogs& dialogs_)
    : platform(platform_),
      loop(loop_),
      forms(forms_),
      dialogs(dialogs_),
      settings(platform_.settings),
      reg(platform_.registry, platform_.ansi),
      trans(platform_.ini, platform_.ansi, language),
      appFolder_(platform_.system.ApplicationFolder()) {}

App::~App() = default;

FrmHome& App::Home() {
    if (!home_) home_ = std::make_unique<FrmHome>(*this);
    return *home_;
}

FrmReboot& App::Reboot() {
    if (!reboot_) reboot_ = std::make_unique<FrmReboot>(*this);
    return *reboot_;
}

}  // namespace brivex
