#include <windows.h>
#include <shlwapi.h>

#include "platform/win32/Win32AnsiCodec.h"
#include "platform/win32/Win32RegistryApi.h"
#include "registry/RegistryHarness.h"

namespace brivex::testing {

namespace {

class Win32RegistryHarness final : public RegistryHarness {
public:
    Win32RegistryHarness() {
        static int counter = 0;
        base_ =
            "Software\\Brivex Doziv Tests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        CreateKey(base_);
    }
    ~Win32RegistryHarness() override { SHDeleteKeyA(HKEY_CURRENT_USER, codec_.ToAnsi(base_).c_str()); }

    RegistryApi& Api() override { return api_; }
    const AnsiCodec& Ansi() override { return codec_; }
    const std::string& Base() const override { return base_; }

    void CreateKey(const std::string& path) override {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, codec_.ToAnsi(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr);
        RegCloseKey(key);
    }
    void PutRaw(const std::string& path, const std::string& name, const RawValue& value) override {
        CreateKey(path);
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_CURRENT_USER, codec_.ToAnsi(path).c_str(), 0, KEY_ALL_ACCESS, &key);
        RegSetValueExA(key, codec_.ToAnsi(name).c_str(), 0, value.type, value.bytes.data(),
                       static_cast<DWORD>(value.bytes.size()));
        RegCloseKey(key);
    }
    std::optional<RawValue> GetRaw(const std::string& path, const std::string& name) override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, codec_.ToAnsi(path).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return std::nullopt;
        const std::string ansiName = codec_.ToAnsi(name);
        DWORD type = 0;
        DWORD size = 0;
        std::optional<RawValue> result;
        if (RegQueryValueExA(key, ansiName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            RawValue value{type, std::vector<std::uint8_t>(size)};
            if (RegQueryValueExA(key, ansiName.c_str(), nullptr, &type, value.bytes.data(), &size) == ERROR_SUCCESS) {
                value.bytes.resize(size);
                result = value;
            }
        }
        RegCloseKey(key);
        return result;
    }
    bool KeyExists(const std::string& path) override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, codec_.ToAnsi(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    bool ReportsExactStringSize() const override { return false; }

private:
    Win32RegistryApi api_;
    Win32AnsiCodec codec_;
    std::string base_;
};

}  // namespace

std::unique_ptr<RegistryHarness> MakeRegistryHarness() { return std::make_unique<Win32RegistryHarness>(); }

}  // namespace brivex::testing
