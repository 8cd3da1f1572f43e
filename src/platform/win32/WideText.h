#pragma once
// Text across the system's wide ("W") functions: the program's UTF-8 to the
// system's UTF-16 and back, and the bytes of a code page. Each text crosses
// once, where it meets the call that takes it.

#include <windows.h>

#include <string>
#include <string_view>

namespace brivex {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The bytes of a code page to UTF-16 and back; a character the code page lacks
// becomes a near one where the system knows one ("Ł" gives "L"), else "?".
std::wstring WidenFrom(unsigned codePage, std::string_view bytes);
std::string NarrowTo(unsigned codePage, std::wstring_view utf16);
std::string ToCodePage(unsigned codePage, std::string_view utf8);

// A window's text as the window holds it, UTF-16: what is drawn from it needs no conversion.
std::wstring WindowText(HWND window);
void SetWindowTextUtf8(HWND window, std::string_view utf8);

}  // namespace brivex
