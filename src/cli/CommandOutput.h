#pragma once

#include <string_view>

namespace brivex {

// Where the command's texts go: the standard output the caller gave the
// process, or else the console of the process that started it; in the form
// cli/OutputEncoding.h chooses.
class CommandOutput {
public:
    virtual ~CommandOutput() = default;
    // A redirected output gets UTF-8 bytes rather than the console's code
    // page (/utf8). Asked before the first line; a console still gets Unicode.
    virtual void PreferUtf8() = 0;
    // One line of UTF-8 text. False when no one can read it: no standard
    // output and no console.
    virtual bool WriteLine(std::string_view text) = 0;
};

}  // namespace brivex
