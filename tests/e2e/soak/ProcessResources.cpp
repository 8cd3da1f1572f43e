#include "e2e/soak/ProcessResources.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace brivex::soak {

namespace {

constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);

struct SystemHandle {
    ULONG processId;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};

// A slot of the GDI handle table; a free slot has no type, a stock object's is flagged.
struct GdiHandleEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
constexpr std::size_t kGdiHandleSlots = 0x10000;
constexpr USHORT kStockFlag = 0x80;
constexpr std::size_t kGdiTableInPeb = 0xF8;  // PEB64.GdiSharedHandleTable

long long MemoryKb(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        return 0;
    // Windows: the commit charge, in both. Wine leaves PrivateUsage at 0 and
    // reads PagefileUsage from /proc/PID/status of the Linux process, RssAnon
    // plus VmSwap: the private memory the process has touched, without the
    // pages of the libraries it maps (which VmRSS counts, and which grow as
    // code runs for the first time) nor address space committed but never used.
    const SIZE_T bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return static_cast<long long>(bytes / 1024);
}

long long Handles(HANDLE process, DWORD processId) {
    DWORD count = 0;
    if (GetProcessHandleCount(process, &count) && count) return count;
    // Wine answers 0, but its server lists the handles of every process.
    std::vector<BYTE> buffer(1 << 18);
    NTSTATUS status;
    ULONG needed = 0;
    while ((status = NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), &needed)) == kInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (!NT_SUCCESS(status)) return 0;
    const ULONG entries = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* handle = reinterpret_cast<const SystemHandle*>(buffer.data() + sizeof(ULONG_PTR));
    long long owned = 0;
    for (ULONG i = 0; i < entries; ++i) owned += handle[i].processId == processId;
    return owned;
}

struct WindowSearch {
    DWORD processId;
    long long count;
};

BOOL CALLBACK CountIfOwned(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    search->count += owner == search->processId;
    return TRUE;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// Under Wine: the windows, hidden and message-only ones included. They are the
// USER objects the program makes: it makes no menu, hook or accelerator table,
// and loads its icon shared.
long long Windows(DWORD processId) {
    std::vector<HWND> roots;
    EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&roots));
    for (HWND window = nullptr; (window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) != nullptr;)
        roots.push_back(window);
    WindowSearch search{processId, 0};
    for (HWND root : roots) {
        CountIfOwned(root, reinterpret_cast<LPARAM>(&search));
        EnumChildWindows(root, &CountIfOwned, reinterpret_cast<LPARAM>(&search));
    }
    return search.count;
}

long long UserObjects(HANDLE process, DWORD processId) {
    if (const DWORD count = GetGuiResources(process, GR_USEROBJECTS)) return count;
    return Windows(processId);
}

long long GdiObjects(HANDLE process) {
    if (const DWORD count = GetGuiResources(process, GR_GDIOBJECTS)) return count;
    // Wine answers 0, but publishes the process's own GDI handle table where
    // Windows publishes its table, in the PEB: a used slot has a type.
    PROCESS_BASIC_INFORMATION basic = {};
    if (!NT_SUCCESS(NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr)))
        return 0;
    const auto* tableField = reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + kGdiTableInPeb;
    UINT64 table = 0;
    if (!ReadProcessMemory(process, tableField, &table, sizeof table, nullptr) || !table) return 0;
    std::vector<GdiHandleEntry> slots(kGdiHandleSlots);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), slots.data(),
                           slots.size() * sizeof(GdiHandleEntry), nullptr))
        return 0;
    long long used = 0;
    for (const GdiHandleEntry& slot : slots) used += slot.type != 0 && !(slot.unique & kStockFlag);
    return used;
}

}  // namespace

std::optional<ProcessResources> ReadProcessResources(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return std::nullopt;
    const ProcessResources resources{MemoryKb(process), Handles(process, processId), GdiObjects(process),
                                     UserObjects(process, processId)};
    CloseHandle(process);
    return resources;
}

}  // namespace brivex::soak
