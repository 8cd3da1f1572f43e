#pragma once

namespace brivex {

class Program;

// Gives the program context a factory for every window. The top of the
// program is the one place that knows every window's class; everything below
// asks the context for a window by its kind.
void RegisterWindows(Program& program);

}  // namespace brivex
