#include <windows.h>

#include "lang/IniFileHarness.h"
#include "platform/win32/Win32AnsiCodec.h"
#include "platform/win32/Win32IniFile.h"

namespace brivex::testing {

namespace {

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

class Win32IniFileHarness final : public IniFileHarness {
public:
    IniFile& Ini() override { return ini_; }
    const AnsiCodec& Ansi() override { return codec_; }
    bool FoldsAccentedLetters() const override { return !RunningUnderWine(); }
    bool IsWine() const override { return RunningUnderWine(); }

private:
    Win32IniFile ini_;
    Win32AnsiCodec codec_;
};

}  // namespace

std::unique_ptr<IniFileHarness> MakeIniFileHarness() { return std::make_unique<Win32IniFileHarness>(); }

}  // namespace brivex::testing
