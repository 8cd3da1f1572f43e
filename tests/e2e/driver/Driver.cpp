// brivex_driver: drives the real program from outside, as a user would.
//   brivex_driver wait TITLE [TIMEOUT_MS]   waits until a visible top-level window has that caption
//   brivex_driver open TITLE [TIMEOUT_MS]   the same, answering OK to the message boxes shown meanwhile
//                                           (a first run's notices, over the window) and printing them,
//                                           until the window has been enabled and free of them a second
//   brivex_driver close TITLE [TIMEOUT_MS]  asks that window to close and waits until it is gone
//   brivex_driver click TITLE CAPTION       clicks the control of that window whose text is CAPTION
// Exit status 0 on success, 1 on timeout, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND FindVisible(const std::wstring& title) {
    HWND window = FindWindowW(nullptr, title.c_str());
    return window && IsWindowVisible(window) ? window : nullptr;
}

HWND FindChildByText(HWND parent, const std::wstring& text) {
    struct Search {
        const std::wstring* text;
        HWND found;
    } search{&text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM context) {
            auto* s = reinterpret_cast<Search*>(context);
            wchar_t buffer[256] = {};
            GetWindowTextW(child, buffer, 256);
            if (*s->text != buffer) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Linux terminals read UTF-8, whatever the Windows console code page is.
void PrintUtf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

// Presses OK in every message box on screen, telling what it said; true when there was one.
bool AnswerMessageBoxes() {
    bool answered = false;
    HWND box = nullptr;
    while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr) {
        HWND ok = GetDlgItem(box, IDOK);
        if (!IsWindowVisible(box) || !ok) continue;
        wchar_t title[256] = {};
        wchar_t text[1024] = {};
        GetWindowTextW(box, title, 256);
        GetWindowTextW(GetDlgItem(box, 0xFFFF), text, 1024);
        PrintUtf8(std::wstring(L"Message \"") + title + L"\": " + text + L"\n");
        PostMessageW(ok, BM_CLICK, 0, 0);
        answered = true;
        Sleep(200);
    }
    return answered;
}

bool WaitFor(DWORD timeoutMs, const auto& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    const std::wstring command = argv[1];
    const std::wstring title = argv[2];
    const DWORD timeoutMs =
        argc > 3 && command != L"click" ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : 20000;

    if (command == L"open") {
        // The window shows before a first run's notices and is disabled while
        // its restore point is made: it is ready once it has stayed enabled,
        // with no notice over it, for a second.
        DWORD readySince = 0;
        return WaitFor(timeoutMs,
                       [&] {
                           const bool answered = AnswerMessageBoxes();
                           HWND window = FindVisible(title);
                           if (answered || !window || !IsWindowEnabled(window)) {
                               readySince = 0;
                               return false;
                           }
                           if (!readySince) readySince = GetTickCount();
                           return GetTickCount() - readySince >= 1000;
                       })
                   ? 0
                   : 1;
    }
    if (command == L"wait") return WaitFor(timeoutMs, [&] { return FindVisible(title) != nullptr; }) ? 0 : 1;
    if (command == L"click" && argc > 3) {
        HWND window = FindVisible(title);
        HWND target = window ? FindChildByText(window, argv[3]) : nullptr;
        if (!target) return 1;
        PostMessageW(target, BM_CLICK, 0, 0);
        return 0;
    }
    if (command == L"close") {
        HWND window = FindWindowW(nullptr, title.c_str());
        if (!window) return 1;
        PostMessageW(window, WM_CLOSE, 0, 0);
        return WaitFor(timeoutMs, [&] { return !IsWindow(window); }) ? 0 : 1;
    }
    return 2;
}
