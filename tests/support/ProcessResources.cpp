#include "support/ProcessResources.h"

#include <windows.h>
#include <psapi.h>
#include <winternl.h>

namespace testsupport {
namespace {

// GetGuiResources is a stub under Wine, so GDI objects are counted in the
// process's GDI handle table, which the PEB points to on Windows and Wine alike.
struct GdiHandleEntry {
    UINT64 object;
    USHORT processId;
    USHORT count;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr std::size_t kGdiHandleCount = 0x10000;
constexpr std::size_t kPebGdiSharedHandleTable = 0xF8;  // x64

std::size_t CountGdiObjects() {
    const auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebGdiSharedHandleTable);
    if (!table) return 0;
    const auto pid = static_cast<USHORT>(GetCurrentProcessId());
    std::size_t n = 0;
    for (std::size_t i = 0; i < kGdiHandleCount; ++i)
        if (table[i].type != 0 && (table[i].processId == 0 || table[i].processId == pid)) ++n;
    return n;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<std::size_t*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<std::size_t*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

}  // namespace

ProcessResources CurrentProcessResources() {
    ProcessResources r{CountGdiObjects(), 0, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&r.windows));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory))
        r.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;  // Wine fills only the latter
    return r;
}

}  // namespace testsupport
