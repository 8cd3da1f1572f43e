#include "ui/win32/ErrorBarrier.h"

#include <utility>

namespace brivex::ui {

namespace {

Dialogs*& ErrorDialogs() {
    static Dialogs* dialogs = nullptr;
    return dialogs;
}

}  // namespace

Dialogs* ReportErrorsThrough(Dialogs* dialogs) { return std::exchange(ErrorDialogs(), dialogs); }

void ReportError(const std::string& text) noexcept {
    static bool reporting = false;
    if (reporting || !ErrorDialogs()) return;
    reporting = true;
    try {
        ErrorDialogs()->MsgBox(text, mb::Ok | mb::Information, "");
    } catch (...) {
        // Nothing is left to tell the user with.
    }
    reporting = false;
}

}  // namespace brivex::ui
