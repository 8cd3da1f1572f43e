#pragma once
// What a running process holds, read from outside it, with the calls Windows
// answers and, where Wine does not, what Wine keeps that answers the same.

#include <windows.h>

#include <optional>

namespace brivex::soak {

struct ProcessResources {
    long long memoryKb = 0;  // private memory
    long long handles = 0;   // kernel object handles
    long long gdi = 0;       // GDI objects, the stock ones aside
    long long user = 0;      // USER objects (windows, under Wine)
};

// Nothing when the process cannot be opened for reading.
std::optional<ProcessResources> ReadProcessResources(DWORD processId);

}  // namespace brivex::soak
