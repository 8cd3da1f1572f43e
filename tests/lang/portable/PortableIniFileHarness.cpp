#include "lang/IniFileHarness.h"
#include "platform/portable/Cp1252Codec.h"
#include "platform/portable/PortableIniFile.h"

namespace brivex::testing {

namespace {

class PortableIniFileHarness final : public IniFileHarness {
public:
    IniFile& Ini() override { return ini_; }
    const AnsiCodec& Ansi() override { return codec_; }
    bool FoldsAccentedLetters() const override { return true; }
    bool IsWine() const override { return false; }

private:
    PortableIniFile ini_;
    Cp1252Codec codec_;
};

}  // namespace

std::unique_ptr<IniFileHarness> MakeIniFileHarness() { return std::make_unique<PortableIniFileHarness>(); }

}  // namespace brivex::testing
