#include "platform/win32/Win32AnsiCodec.h"

#include "platform/win32/WideText.h"

namespace brivex {

std::string Win32AnsiCodec::ToAnsi(std::string_view utf8) const { return ToCodePage(CP_ACP, utf8); }
std::string Win32AnsiCodec::FromAnsi(std::string_view ansi) const { return Narrow(WidenFrom(CP_ACP, ansi)); }

}  // namespace brivex
