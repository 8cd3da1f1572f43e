#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <cstring>
#include <mmsystem.h>
#include <shlobj.h>

#include "platform/win32/WideText.h"

namespace brivex {

void Win32Shell::OpenUrl(const std::string& url) {
    EnterApartment();
    ShellExecuteW(nullptr, L"open", Widen(url).c_str(), L"", L"", SW_SHOWNORMAL);
}

void Win32Shell::ClearRecentDocuments() {
    EnterApartment();
    SHAddToRecentDocs(SHARD_PATHA, nullptr);
}

void Win32Shell::EmptyClipboard() {
    if (!OpenClipboard(nullptr)) return;
    ::EmptyClipboard();
    CloseClipboard();
}

void Win32Shell::CopyText(const std::string& text) {
    const std::wstring wide = Widen(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return;
    if (void* place = GlobalLock(block)) {
        std::memcpy(place, wide.c_str(), bytes);
        GlobalUnlock(block);
    }
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return;
    }
    ::EmptyClipboard();
    // The clipboard owns the block once it takes it.
    if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
    CloseClipboard();
}

void Win32Shell::DeleteFiles(const std::string& wildcardPath) {
    const std::wstring pattern = Widen(wildcardPath);
    const std::wstring folder = pattern.substr(0, pattern.find_last_of(L'\\') + 1);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void Win32Shell::PlaySoundSync(const std::string& path) {
    sndPlaySoundW(Widen(path).c_str(), SND_SYNC | SND_NODEFAULT);
}

void Win32Shell::AnnounceSettingsChanged() {
    // "Policy" is the area the switched values live in (the Explorer policies);
    // "Environment" would name environment variables, which nothing here
    // changes. A hung window is passed over at once, and a live one gets a
    // short while each, so the broadcast never holds the caller up for long.
    constexpr UINT kTimeoutMs = 200;
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Policy"),
                        SMTO_ABORTIFHUNG | SMTO_NORMAL, kTimeoutMs, &answer);
    // Views of folders redraw their files, so extensions and hidden files show as now set.
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

void Win32Shell::EnterApartment() {
    if (!apartment_) apartment_.emplace();
}

}  // namespace brivex
