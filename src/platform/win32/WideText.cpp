#include "platform/win32/WideText.h"

namespace brivex {

std::wstring WidenFrom(unsigned codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
    return wide;
}

std::string NarrowTo(unsigned codePage, std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int length =
        WideCharToMultiByte(codePage, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, utf16.data(), static_cast<int>(utf16.size()), bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

std::wstring Widen(std::string_view utf8) { return WidenFrom(CP_UTF8, utf8); }
std::string Narrow(std::wstring_view utf16) { return NarrowTo(CP_UTF8, utf16); }
std::string ToCodePage(unsigned codePage, std::string_view utf8) { return NarrowTo(codePage, Widen(utf8)); }

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

void SetWindowTextUtf8(HWND window, std::string_view utf8) { SetWindowTextW(window, Widen(utf8).c_str()); }

}  // namespace brivex
