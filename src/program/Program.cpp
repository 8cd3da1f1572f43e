#include "program/Program.h"
#include "platform/SystemFacts.h"

namespace brivex {

Program::Program(Platform& platform_, ui::EventLoop& loop_, ui::FormHost& forms_, ui::Dialogs& dialogs_)
    : platform(platform_),
      loop(loop_),
      forms(forms_),
      dialogs(dialogs_),
      settings(platform_.settings),
      reg(platform_.registry, platform_.ansi),
      trans(platform_.ini, platform_.ansi, language),
      appFolder_(platform_.system.ApplicationFolder()) {}

ui::Form& Program::Window(WindowKind kind) {
    std::unique_ptr<ui::Form>& window = windows_[kind];
    if (!window) {
        const auto factory = factories_.find(kind);
        assert(factory != factories_.end() && "every window's factory is registered before the program starts");
        window = factory->second(*this);
    }
    return *window;
}

}  // namespace brivex
