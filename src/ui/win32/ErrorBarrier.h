#pragma once

#include <exception>
#include <string>

#include "ui/Dialogs.h"
#include "ui/RuntimeTexts.h"

namespace brivex::ui {

// No exception crosses a window procedure or a timer. A handler that throws is
// abandoned there, the user is told what went wrong in a box with the
// information icon, through the program's dialogs and so under the
// application title, and the program goes on.

// The dialogs errors are shown through from now on; gives back the ones they
// replace. Until the program gives its own, an error is not shown.
Dialogs* ReportErrorsThrough(Dialogs* dialogs);

// Shows `text`. An error while the box of another is open is not shown: the
// user has been told, and a failing timer would otherwise pile up boxes.
void ReportError(const std::string& text) noexcept;

// Runs `handler`; false when it threw and was abandoned.
template <typename Handler>
bool RunGuarded(Handler&& handler) noexcept {
    try {
        handler();
        return true;
    } catch (const std::exception& error) { ReportError(error.what()); } catch (...) {
        ReportError(runtimetexts::kUnexpectedError);
    }
    return false;
}

}  // namespace brivex::ui
