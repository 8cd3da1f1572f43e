#pragma once
// The program's texts are UTF-8; the system's wide functions and the files
// the registry editor reads are UTF-16.

#include <string>
#include <string_view>

namespace brivex {

// Whether `bytes` read as UTF-8: every lead byte followed by its continuation
// bytes. A file that is not is taken for one in the ANSI code page.
bool IsUtf8(std::string_view bytes);

// Decodes one UTF-8 sequence at `i` and moves past it; a malformed byte decodes as itself.
char32_t NextCodePoint(std::string_view utf8, std::size_t& i);
void AppendUtf8(std::string& out, char32_t codePoint);
// UTF-16, little-endian, as bytes (without a byte-order mark): what a wide
// file or a wide registry value holds. A character past the 16-bit range
// becomes a surrogate pair.
std::string Utf8ToUtf16Le(std::string_view utf8);
// And back. Every code unit, a lone surrogate too, becomes one character of
// its own, so that text read and written again keeps exactly its units; an odd
// last byte is dropped.
std::string Utf16LeToUtf8(std::string_view bytes);

}  // namespace brivex
