#pragma once

#include "cli/CommandOutput.h"
#include "cli/OutputEncoding.h"

namespace brivex {

// The program stays a window program, so it has a console only when it joins
// its parent's. A console (the standard output, or the parent's console when
// the process was given no standard output) takes the text as UTF-16; any
// other standard output (a pipe, a file, the NUL device) takes bytes in the
// encoding cli/OutputEncoding.h chooses.
class Win32CommandOutput final : public CommandOutput {
public:
    ~Win32CommandOutput() override;
    void PreferUtf8() override;
    bool WriteLine(std::string_view text) override;

private:
    void Choose();

    bool chosen_ = false;
    OutputFacts facts_;
    void* target_ = nullptr;  // the standard output, or the console opened for want of one
    bool ownsTarget_ = false;
};

}  // namespace brivex
