#include "ui/win32/CommonControls.h"

#include "ui/win32/WinApi.h"
#include <commctrl.h>

namespace ui::win32 {

void EnsureCommonControls() {
  static bool done = false;
  if (done) return;
  done = true;
  // Loaded by name, so the process's activation context picks the version the manifest
  // names; kept for the life of the process, as an import would be.
  HMODULE library = LoadLibraryA("comctl32.dll");
  if (!library) return;
  using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  auto init = reinterpret_cast<Init>(
      reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
  if (init) init(&icc);
}

}  // namespace ui::win32
