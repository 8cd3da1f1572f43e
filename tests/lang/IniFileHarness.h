#pragma once
// What the initialisation-file suite needs from each side besides the files
// themselves, which it handles through TempFolder without the code under test.

#include <memory>

#include "platform/AnsiCodec.h"
#include "platform/IniFile.h"

namespace brivex::testing {

class IniFileHarness {
public:
    virtual ~IniFileHarness() = default;
    virtual IniFile& Ini() = 0;
    // The code page the files and the calls are in.
    virtual const AnsiCodec& Ansi() = 0;
    // Windows folds accented letters too when it compares names; Wine folds
    // only A to Z. The program's own names are plain ASCII.
    virtual bool FoldsAccentedLetters() const = 0;
    // Wine's kernel32 parts from Windows' in a few more corners of the file
    // format; each case that meets one is skipped there and names it.
    virtual bool IsWine() const = 0;
};

std::unique_ptr<IniFileHarness> MakeIniFileHarness();

}  // namespace brivex::testing
