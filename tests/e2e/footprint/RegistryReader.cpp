#include "e2e/footprint/RegistryReader.h"

#include <sddl.h>

#include <string>
#include <vector>

namespace brivex::e2e {

namespace {

std::string Utf8(const wchar_t* text, std::size_t length) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::string Utf8(const std::wstring& text) { return Utf8(text.c_str(), text.size()); }

// Link keys (Wine's Wow6432Node views, for one) are kept as keys with their
// link value but not followed: what they show is read where it lives.
void ReadKey(HKEY parent, const std::wstring& subKey, const std::string& path, footprint::RegistrySnapshot& into) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, subKey.empty() ? nullptr : subKey.c_str(), REG_OPTION_OPEN_LINK, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return;
    into.AddKey(path);
    DWORD subKeys = 0, longestSubKey = 0, values = 0, longestName = 0, largestData = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, &longestSubKey, nullptr, &values, &longestName,
                     &largestData, nullptr, nullptr);

    bool isLink = false;
    std::vector<wchar_t> name(longestName + 2);
    std::vector<BYTE> data(largestData + 2);
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const LONG status = RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &dataSize);
        if (status == ERROR_MORE_DATA) {
            // Changed while being read: size the buffers again and read this one once more.
            name.resize(name.size() * 2 + 256);
            data.resize(data.size() * 2 + 256);
            --i;
            continue;
        }
        if (status != ERROR_SUCCESS) break;
        if (type == REG_LINK) isLink = true;
        into.AddValue(path, Utf8(name.data(), nameLength),
                      {type, std::vector<std::uint8_t>(data.begin(), data.begin() + dataSize)});
    }

    if (!isLink) {
        std::vector<std::wstring> children;
        std::vector<wchar_t> child(longestSubKey + 2);
        for (DWORD i = 0;; ++i) {
            DWORD length = static_cast<DWORD>(child.size());
            const LONG status = RegEnumKeyExW(key, i, child.data(), &length, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_MORE_DATA) {
                child.resize(child.size() * 2 + 256);
                --i;
                continue;
            }
            if (status != ERROR_SUCCESS) break;
            children.emplace_back(child.data(), length);
        }
        for (const std::wstring& c : children) ReadKey(key, c, path + "\\" + Utf8(c), into);
    }
    RegCloseKey(key);
}

std::wstring CurrentUserSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    std::vector<BYTE> buffer(512);
    DWORD size = 0;
    std::wstring sid;
    if (GetTokenInformation(token, TokenUser, buffer.data(), static_cast<DWORD>(buffer.size()), &size)) {
        wchar_t* text = nullptr;
        if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) {
            sid = text;
            LocalFree(text);
        }
    }
    CloseHandle(token);
    return sid;
}

}  // namespace

footprint::RegistrySnapshot ReadRegistry() {
    footprint::RegistrySnapshot snapshot;
    ReadKey(HKEY_LOCAL_MACHINE, L"", "HKEY_LOCAL_MACHINE", snapshot);
    ReadKey(HKEY_CURRENT_USER, L"", "HKEY_CURRENT_USER", snapshot);
    const std::wstring currentUser = CurrentUserSid();
    wchar_t child[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(HKEY_USERS, i, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (_wcsicmp(child, currentUser.c_str()) == 0) continue;
        ReadKey(HKEY_USERS, child, "HKEY_USERS\\" + Utf8(child, length), snapshot);
    }
    return snapshot;
}

}  // namespace brivex::e2e
