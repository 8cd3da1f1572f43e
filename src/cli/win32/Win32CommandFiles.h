#pragma once

#include "cli/CommandFiles.h"

namespace brivex {

class Win32CommandFiles final : public CommandFiles {
public:
    std::optional<std::string> Read(const std::string& path, std::size_t limit) override;
    bool Replace(const std::string& path, std::string_view bytes) override;
    bool Append(const std::string& path, std::string_view bytes) override;
    std::string LastFailure() const override;

private:
    // Each call that fails keeps the system's error here.
    bool Failed();

    unsigned long lastError_ = 0;
};

}  // namespace brivex
