#include "ui/win32/Win32Dialogs.h"

#include <windows.h>

#include "platform/win32/WideText.h"
#include "ui/win32/FormWindow.h"

namespace brivex::ui {

int Win32Dialogs::MsgBox(const std::string& text, int flags, const std::string& title) {
    const std::string& caption = title.empty() ? applicationTitle_ : title;
    return MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(caption).c_str(), static_cast<UINT>(flags));
}

void Win32Dialogs::RestartPrompt(Form& owner, int flags) {
    // The restart dialog is exported by ordinal only.
    using RestartDialogFn = int(WINAPI*)(HWND, LPCWSTR, DWORD);
    HMODULE shell = LoadLibraryA("shell32");
    if (!shell) return;
    const auto restartDialog = reinterpret_cast<RestartDialogFn>(
        reinterpret_cast<void*>(GetProcAddress(shell, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(59)))));
    if (restartDialog) restartDialog(FormWindow::HandleOf(owner), nullptr, static_cast<DWORD>(flags));
    FreeLibrary(shell);
}

}  // namespace brivex::ui
