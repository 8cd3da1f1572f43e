#pragma once

#include "platform/AnsiCodec.h"

namespace brivex {

// The system's own ANSI code page (CP_ACP).
class Win32AnsiCodec final : public AnsiCodec {
public:
    std::string ToAnsi(std::string_view utf8) const override;
    std::string FromAnsi(std::string_view ansi) const override;
};

// UTF-8 to UTF-16 and back, for the W functions that show text on screen.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// UTF-8 to the bytes of a code page, a character the code page lacks made a
// near one where the system knows one ("Ł" gives "L"), else "?".
std::string ToCodePage(unsigned codePage, std::string_view utf8);

}  // namespace brivex
