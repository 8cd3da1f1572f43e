#include <windows.h>
#include <shlwapi.h>

#include "platform/win32/RegistrySettingsStore.h"
#include "registry/SettingsHarness.h"

namespace brivex::testing {

namespace {

class RegistrySettingsHarness final : public SettingsHarness {
public:
    RegistrySettingsHarness() {
        static int counter = 0;
        app_ = "Brivex Doziv Tests " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    }
    ~RegistrySettingsHarness() override {
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\VB and VBA Program Settings\\" + app_).c_str());
    }
    SettingsStore& Store() override { return store_; }
    const std::string& App() const override { return app_; }
    std::unique_ptr<SettingsStore> Reopen() override { return std::make_unique<RegistrySettingsStore>(); }

private:
    RegistrySettingsStore store_;
    std::string app_;
};

}  // namespace

std::unique_ptr<SettingsHarness> MakeSettingsHarness() { return std::make_unique<RegistrySettingsHarness>(); }

}  // namespace brivex::testing
