#include "platform/portable/MemorySettingsStore.h"
#include "registry/SettingsHarness.h"

namespace brivex::testing {

namespace {

// The in-memory store lives as long as the harness; a reopened store shares it.
class SharedStore final : public SettingsStore {
public:
    explicit SharedStore(SettingsStore& inner) : inner_(inner) {}
    std::string GetSetting(std::string_view a, std::string_view s, std::string_view k, std::string_view d) override {
        return inner_.GetSetting(a, s, k, d);
    }
    void SaveSetting(std::string_view a, std::string_view s, std::string_view k, std::string_view v) override {
        inner_.SaveSetting(a, s, k, v);
    }

private:
    SettingsStore& inner_;
};

class MemorySettingsHarness final : public SettingsHarness {
public:
    SettingsStore& Store() override { return store_; }
    const std::string& App() const override { return app_; }
    std::unique_ptr<SettingsStore> Reopen() override { return std::make_unique<SharedStore>(store_); }

private:
    MemorySettingsStore store_;
    std::string app_ = "Brivex Doziv";
};

}  // namespace

std::unique_ptr<SettingsHarness> MakeSettingsHarness() { return std::make_unique<MemorySettingsHarness>(); }

}  // namespace brivex::testing
