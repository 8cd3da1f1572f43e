#pragma once
// The program context: what the windows share, below all of them. The
// services they reach (settings, registry, translation), the few values the
// whole program shares (the current language file and the stage texts, the
// application folder), and the windows themselves: each a single instance,
// made the first time it is asked for by the factory the top of the program
// registered for its kind. A window reaches another window only through here,
// as a ui::Form, so no window includes another window's header; the main
// window opens the features, and a feature restores the main window when it
// closes.

#include <cassert>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "lang/LanguageState.h"
#include "lang/MODTrans.h"
#include "platform/Platform.h"
#include "registry/Reg.h"
#include "registry/Settings.h"
#include "ui/Dialogs.h"
#include "ui/EventLoop.h"
#include "ui/Form.h"
#include "ui/FormHost.h"

namespace brivex {

// The program's windows, one instance of each.
enum class WindowKind { Home, Reboot, Tweak, Settings, Backup, InfoSys };

class Program {
public:
    using WindowFactory = std::function<std::unique_ptr<ui::Form>(Program&)>;

    Program(Platform& platform, ui::EventLoop& loop, ui::FormHost& forms, ui::Dialogs& dialogs);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

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

    void RegisterWindow(WindowKind kind, WindowFactory factory) { factories_[kind] = std::move(factory); }
    // The window's single instance, made on first use.
    ui::Form& Window(WindowKind kind);
    ui::Form& MainWindow() { return Window(WindowKind::Home); }
    // Shows the window; the first time, it loads. True when it is on screen then.
    bool Open(WindowKind kind) { return forms.Show(Window(kind)); }

private:
    std::string appFolder_;
    std::map<WindowKind, WindowFactory> factories_;
    // Last, so the windows go before the services they hold references to.
    std::map<WindowKind, std::unique_ptr<ui::Form>> windows_;
};

}  // namespace brivex
