#include "ui/win32/CommonDialogs.h"

#include "ui/win32/WinApi.h"
#include <commdlg.h>

#include <vector>

#include "system/win32/LazyLibrary.h"
#include "ui/Dialogs.h"
#include "ui/win32/BackendImpl.h"
#include "ui/win32/Peers.h"

namespace ui::win32 {

std::string FilterForDialog(const std::string& filter) {
  std::string out = filter;
  for (char& ch : out)
    if (ch == '|') ch = '\0';
  out.append(2, '\0');
  return out;
}

namespace {
sys::LazyLibrary comdlg32("comdlg32.dll");

HWND DialogOwner(Win32Backend& backend) {
  if (FormPeer* form = backend.ActiveFormPeer()) return form->Hwnd();
  return backend.AppWindow();
}
}  // namespace

bool Win32Backend::ExecuteOpenDialog(TOpenDialog& dialog) {
  std::vector<char> file(4096, '\0');
  dialog.FileName.copy(file.data(), file.size() - 1);
  const std::string filter = FilterForDialog(dialog.Filter);
  std::string ext = dialog.DefaultExt;
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = DialogOwner(*this);
  ofn.lpstrFilter = dialog.Filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = DWORD(file.size());
  ofn.lpstrInitialDir = dialog.InitialDir.empty() ? nullptr : dialog.InitialDir.c_str();
  ofn.lpstrTitle = dialog.Title.empty() ? nullptr : dialog.Title.c_str();
  ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
  // The program builds its paths from its own folder; the dialog must not move the
  // current directory.
  ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  auto open = comdlg32.Get<decltype(GetOpenFileNameA)>("GetOpenFileNameA");
  if (!open || !open(&ofn)) return false;
  dialog.FileName = file.data();
  return true;
}

bool Win32Backend::ExecuteColorDialog(TColorDialog& dialog) {
  static COLORREF custom[16] = {};  // kept for the process, as the user expects
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = DialogOwner(*this);
  cc.rgbResult = ToColorRef(dialog.Color);
  cc.lpCustColors = custom;
  cc.Flags =
      CC_RGBINIT | (dialog.FullOpen ? CC_FULLOPEN : 0u) | (dialog.AnyColor ? CC_ANYCOLOR : 0u);
  auto choose = comdlg32.Get<decltype(ChooseColorA)>("ChooseColorA");
  if (!choose || !choose(&cc)) return false;
  dialog.Color = TColor(cc.rgbResult);
  return true;
}

}  // namespace ui::win32
