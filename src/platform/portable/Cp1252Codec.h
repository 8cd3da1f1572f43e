#pragma once

#include "base/Cp1252.h"
#include "platform/AnsiCodec.h"

namespace brivex {

// The ANSI code page of a Western system, which the scripts give Wine too.
class Cp1252Codec final : public AnsiCodec {
public:
    std::string ToAnsi(std::string_view utf8) const override { return Utf8ToCp1252(utf8); }
    std::string FromAnsi(std::string_view ansi) const override { return Cp1252ToUtf8(ansi); }
};

}  // namespace brivex
