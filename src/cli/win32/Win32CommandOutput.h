#pragma once

#include "cli/CommandOutput.h"

namespace brivex {

// The program stays a window program, so it has a console only when it joins
// its parent's: a standard output that is a pipe or a file takes UTF-8 bytes
// as they are; otherwise the parent's console, if there is one, takes the
// text as UTF-16.
class Win32CommandOutput final : public CommandOutput {
public:
    ~Win32CommandOutput() override;
    bool WriteLine(std::string_view text) override;

private:
    void Choose();

    bool chosen_ = false;
    void* stream_ = nullptr;   // a pipe or a file
    void* console_ = nullptr;  // the parent's console output
};

}  // namespace brivex
