#pragma once
// The text rules of the system's profile ("INI") calls, on ANSI or UTF-8 text
// alike: what a blank is, what a default loses, which quotes go and where a
// buffer cuts. The portable engine follows them, and so does the language
// section, which answers string calls from one section call.

#include <cstdint>
#include <string>
#include <string_view>

namespace brivex::profile {

// White space and Ctrl+Z, the old end-of-file mark.
bool IsBlank(char c);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);

// One pair of enclosing single or double quotes.
bool IsQuoted(std::string_view text);

// A default loses its trailing spaces, though never its first character.
std::string_view DefaultText(std::string_view value);

// The string call's copy into a buffer of `bufferSize` bytes: at most
// bufferSize - 1 of them; when `unquote`, one pair of enclosing quotes goes,
// the closing one taken off the copy whenever the buffer could hold the rest
// of the value, even when the cut already dropped it, so a quoted value one
// longer than the buffer loses its last character too.
std::string CopiedValue(std::string_view value, std::uint32_t bufferSize, bool unquote);

// What the section calls fill of a buffer of `bufferSize` bytes before their
// two closing NULs; a count this large may be a cut.
std::uint32_t SectionRoom(std::uint32_t bufferSize);

}  // namespace brivex::profile
