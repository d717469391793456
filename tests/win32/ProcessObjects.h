// What a process holds, for finding leaks: its GDI objects, its windows and its committed
// private memory. Wine's GetGuiResources answers 0 and its process counters leave private
// bytes out, so these are counted where both systems keep them: GDI objects in the GDI handle
// table the system maps into every process (its address is in the process environment
// block, and each entry names its owner and kind; wine keeps a table per process and leaves
// the owner 0), windows by walking those of the thread, private memory by walking the
// address space.
#pragma once
#include <windows.h>

#include <intrin.h>

#include <cstddef>
#include <cstdint>

namespace win32test {

// The tests run as a 64-bit program. One entry of the GDI handle table, laid out alike by
// Windows and wine.
struct GdiHandleEntry {
  std::uint64_t Object;
  std::uint16_t ProcessId;
  std::uint16_t Count;
  std::uint16_t Unique;
  std::uint8_t Type;
  std::uint8_t Flags;
  std::uint64_t UserPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry");

inline int GdiObjects() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported) return int(reported);
  // The process environment block's GdiSharedHandleTable (64-bit layout).
  const auto* peb = reinterpret_cast<const unsigned char*>(__readgsqword(0x60));
  const auto* table = *reinterpret_cast<GdiHandleEntry* const*>(peb + 0xF8);
  if (!table) return -1;
  const std::uint16_t self = std::uint16_t(GetCurrentProcessId());
  int count = 0;
  // The table ends where its mapping ends: each page is looked at before it is read.
  const char* checkedUpTo = nullptr;
  for (std::size_t i = 0; i < 0x10000; ++i) {
    const char* end = reinterpret_cast<const char*>(table + i + 1);
    if (end > checkedUpTo) {
      MEMORY_BASIC_INFORMATION mbi;
      if (!VirtualQuery(end - 1, &mbi, sizeof mbi) || mbi.State != MEM_COMMIT) break;
      checkedUpTo = static_cast<const char*>(mbi.BaseAddress) + mbi.RegionSize;
    }
    if (table[i].Type != 0 && (table[i].ProcessId == self || table[i].ProcessId == 0)) ++count;
  }
  return count;
}

inline BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

// The windows of this thread, their children included.
inline int Windows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Committed private memory, in bytes.
inline std::size_t PrivateBytes() {
  std::size_t total = 0;
  MEMORY_BASIC_INFORMATION mbi;
  for (const char* at = nullptr; VirtualQuery(at, &mbi, sizeof mbi);
       at = static_cast<const char*>(mbi.BaseAddress) + mbi.RegionSize) {
    if (mbi.State == MEM_COMMIT && mbi.Type == MEM_PRIVATE) total += mbi.RegionSize;
  }
  return total;
}

}  // namespace win32test
