#include "ui/win32/ErrorBarrier.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace brivex::ui {

namespace {

// The executable's name without its extension: the application title.
std::wstring ProgramTitle() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

void ShowErrorBox(const std::string& text) {
    MessageBoxW(GetActiveWindow(), Widen(text).c_str(), ProgramTitle().c_str(), MB_OK | MB_ICONINFORMATION);
}

ErrorReporter& Reporter() {
    static ErrorReporter reporter = &ShowErrorBox;
    return reporter;
}

}  // namespace

ErrorReporter SetErrorReporter(ErrorReporter reporter) {
    ErrorReporter previous = std::move(Reporter());
    Reporter() = reporter ? std::move(reporter) : ErrorReporter(&ShowErrorBox);
    return previous;
}

void ReportError(const std::string& text) noexcept {
    static bool reporting = false;
    if (reporting) return;
    reporting = true;
    try {
        Reporter()(text);
    } catch (...) {
        // Nothing is left to tell the user with.
    }
    reporting = false;
}

}  // namespace brivex::ui
