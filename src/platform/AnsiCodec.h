#pragma once

#include <string>
#include <string_view>

namespace brivex {

// Conversion between the program's UTF-8 and the system's ANSI code page, for
// everything handed to or read from the "A" functions of the system.
class AnsiCodec {
public:
    virtual ~AnsiCodec() = default;
    virtual std::string ToAnsi(std::string_view utf8) const = 0;
    virtual std::string FromAnsi(std::string_view ansi) const = 0;
};

}  // namespace brivex
