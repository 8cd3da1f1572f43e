#include "platform/portable/Cp1252Codec.h"
#include "platform/portable/MemoryRegistry.h"
#include "registry/RegistryHarness.h"

namespace brivex::testing {

namespace {

class MemoryRegistryHarness final : public RegistryHarness {
public:
    MemoryRegistryHarness() { registry_.CreateKey(regroot::CurrentUser, base_); }

    RegistryApi& Api() override { return registry_; }
    const AnsiCodec& Ansi() override { return codec_; }
    const std::string& Base() const override { return base_; }
    void CreateKey(const std::string& path) override { registry_.CreateKey(regroot::CurrentUser, codec_.ToAnsi(path)); }
    void PutRaw(const std::string& path, const std::string& name, const RawValue& value) override {
        registry_.PutValue(regroot::CurrentUser, codec_.ToAnsi(path), codec_.ToAnsi(name), {value.type, value.bytes});
    }
    std::optional<RawValue> GetRaw(const std::string& path, const std::string& name) override {
        const auto found = registry_.FindValue(regroot::CurrentUser, codec_.ToAnsi(path), codec_.ToAnsi(name));
        if (!found) return std::nullopt;
        return RawValue{found->type, found->bytes};
    }
    bool KeyExists(const std::string& path) override {
        return registry_.KeyExists(regroot::CurrentUser, codec_.ToAnsi(path));
    }
    bool ReportsExactStringSize() const override { return true; }

private:
    MemoryRegistry registry_;
    Cp1252Codec codec_;
    std::string base_ = "Software\\Brivex Doziv Tests";
};

}  // namespace

std::unique_ptr<RegistryHarness> MakeRegistryHarness() { return std::make_unique<MemoryRegistryHarness>(); }

}  // namespace brivex::testing
