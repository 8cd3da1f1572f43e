#pragma once

namespace brivex {

class Program;

// The entry procedure: checks the system family, then shows the finishing
// window when an optimisation left its marker, the main window otherwise.
// True when a window is showing and the program goes on in its events.
bool Main(Program& program);

}  // namespace brivex
