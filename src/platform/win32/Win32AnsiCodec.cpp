#include "platform/win32/Win32AnsiCodec.h"

#include <windows.h>

namespace brivex {

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr,
                        nullptr);
    return text;
}

}  // namespace

std::string Win32AnsiCodec::ToAnsi(std::string_view utf8) const { return FromWide(CP_ACP, ToWide(CP_UTF8, utf8)); }
std::string Win32AnsiCodec::FromAnsi(std::string_view ansi) const { return FromWide(CP_UTF8, ToWide(CP_ACP, ansi)); }

std::wstring Widen(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string Narrow(std::wstring_view utf16) { return FromWide(CP_UTF8, utf16); }
std::string ToCodePage(unsigned codePage, std::string_view utf8) { return FromWide(codePage, ToWide(CP_UTF8, utf8)); }

}  // namespace brivex
