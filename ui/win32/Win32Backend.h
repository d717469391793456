// The win32 form backend: real windows for the form model. This header does not pull in
// <windows.h>, so program code can install the backend without seeing the Windows API.
//
// Window classes: a form's class is "T" followed by its Name ("FormQuonthary" gives
// "TFormQuonthary"), so other tools can find it with FindWindow. Panels and tab sheets use
// the classes "TPanel" and "TTabSheet", the application window "TApplication"; the other
// controls are the standard window classes (BUTTON, EDIT, COMBOBOX, LISTBOX,
// msctls_trackbar32, SysTabControl32).
//
// Tooltips: one per form; a control's Hint shows while the control's own ShowHint is on.
#pragma once
#include <memory>

#include "ui/Backend.h"

namespace ui::win32 {

std::unique_ptr<Backend> MakeWin32Backend();

// What reached the real windows, for measuring the idle cost: the WM_PAINT messages painted
// by our windows that hold windowless parts (the indicator is one), and the changes the model
// passed on to a window (its own, or of a part it paints). Counted for the process; a
// measurement zeroes them first.
struct WindowTraffic {
  long Paints = 0;
  long Changes = 0;
};
WindowTraffic& Traffic();
// Makes a fresh win32 backend current (forms made under the previous one must be gone),
// resets the application object and returns the backend.
Backend& InstallWin32();

}  // namespace ui::win32
