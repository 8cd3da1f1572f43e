#pragma once

#include <exception>
#include <functional>
#include <string>

namespace brivex::ui {

// No exception crosses a window procedure or a timer. A handler that throws is
// abandoned there, the user is told what went wrong in a box with the
// information icon, and the program goes on.
using ErrorReporter = std::function<void(const std::string& text)>;

// Replaces how the error is shown (tests watch the texts); gives back the reporter it replaces.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

// Shows `text`. An error while the box of another is open is not shown: the
// user has been told, and a failing timer would otherwise pile up boxes.
void ReportError(const std::string& text) noexcept;

// The text shown for an exception that carries none.
inline constexpr char kUnexpectedError[] = "Une erreur inattendue s'est produite.";

// Runs `handler`; false when it threw and was abandoned.
template <typename Handler>
bool RunGuarded(Handler&& handler) noexcept {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ReportError(error.what());
    } catch (...) {
        ReportError(kUnexpectedError);
    }
    return false;
}

}  // namespace brivex::ui
