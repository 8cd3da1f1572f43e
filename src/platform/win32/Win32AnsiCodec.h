#pragma once

#include "platform/AnsiCodec.h"

namespace brivex {

// The system's own ANSI code page (CP_ACP).
class Win32AnsiCodec final : public AnsiCodec {
public:
    std::string ToAnsi(std::string_view utf8) const override;
    std::string FromAnsi(std::string_view ansi) const override;
};

}  // namespace brivex
