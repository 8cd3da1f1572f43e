#pragma once
// The program: its services and the few values every window shares, and its
// windows, each a single instance created the first time it is needed.

#include <memory>
#include <string>

#include "lang/LanguageState.h"
#include "lang/MODTrans.h"
#include "platform/Platform.h"
#include "registry/Reg.h"
#include "registry/Settings.h"
#include "ui/Dialogs.h"
#include "ui/EventLoop.h"
#include "ui/FormHost.h"

namespace brivex {

class FrmHome;
class FrmReboot;

class App {
public:
    App(Platform& platform, ui::EventLoop& loop, ui::FormHost& forms, ui::Dialogs& dialogs);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform;
    ui::EventLoop& loop;
    ui::FormHost& forms;
    ui::Dialogs& dialogs;

    Settings settings;
    Reg reg;
    LanguageState language;
    MODTrans trans;

    // The running executable's folder, without a trailing backslash.
    const std::string& AppFolder() const { return appFolder_; }

    FrmHome& Home();
    FrmReboot& Reboot();

private:
    std::string appFolder_;
    std::unique_ptr<FrmHome> home_;
    std::unique_ptr<FrmReboot> reboot_;
};

}  // namespace brivex
