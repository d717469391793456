// The real program under wine: it starts, shows its indicator, notes its folder in the
// registry, and ends cleanly when its owner form is closed.
#include <gtest/gtest.h>

#include <string>

#include "system/win32/WinApi.h"

namespace {

std::string TestExeDir() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p = path;
  return p.substr(0, p.find_last_of('\\') + 1);
}

std::string RegistryString(const char* key, const char* name) {
  HKEY k;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &k) != ERROR_SUCCESS) return {};
  char value[1024] = {};
  DWORD size = sizeof value - 1, type = 0;
  LONG rc = RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(k);
  return rc == ERROR_SUCCESS && type == REG_SZ ? value : "";
}

void DeleteRegistryValue(const char* key, const char* name) {
  HKEY k;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) return;
  RegDeleteValueA(k, name);
  RegCloseKey(k);
}

HWND WaitForWindow(const char* className, DWORD process, int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 100) {
    for (HWND w = FindWindowA(className, nullptr); w;
         w = FindWindowExA(nullptr, w, className, nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(w, &owner);
      if (owner == process) return w;
    }
    // A docked indicator is a child of the taskbar: look there too.
    if (HWND bar = FindWindowA("Shell_TrayWnd", nullptr)) {
      if (HWND w = FindWindowExA(bar, nullptr, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == process) return w;
      }
    }
    Sleep(100);
  }
  return nullptr;
}

}  // namespace

TEST(WineProgram, StartsShowsTheIndicatorAndClosesCleanly) {
  // The program sits one folder above the test program in the build tree.
  std::string testDir = TestExeDir();
  std::string programDir = testDir.substr(0, testDir.find_last_of('\\', testDir.size() - 2) + 1);
  std::string exe = programDir + "Quonthary.exe";
  ASSERT_NE(GetFileAttributesA(exe.c_str()), INVALID_FILE_ATTRIBUTES) << exe;
  DeleteRegistryValue("Software\\Tessmark\\Quonthary", "LastApplicationDir");

  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string command = "\"" + exe + "\"";
  ASSERT_TRUE(CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             programDir.c_str(), &si, &pi));
  HWND indicator = WaitForWindow("TFormQuonthary", pi.dwProcessId, 20000);
  HWND ownerForm = WaitForWindow("TFormQuontharyMain", pi.dwProcessId, 5000);
  EXPECT_NE(indicator, nullptr);
  ASSERT_NE(ownerForm, nullptr);
  if (indicator) {
    // The window exists from early in the start-up (the mixer reports to it); it shows at
    // the end.
    for (int waited = 0; waited < 10000 && !IsWindowVisible(indicator); waited += 100) Sleep(100);
    EXPECT_TRUE(IsWindowVisible(indicator));
    RECT r{};
    GetWindowRect(indicator, &r);
    EXPECT_EQ(r.right - r.left, 50);
    EXPECT_EQ(GetWindow(indicator, GW_OWNER) == ownerForm || GetParent(indicator) != nullptr, true);
  }
  // Written as the last step of start-up, just after the indicator shows.
  std::string noted;
  for (int waited = 0; waited < 10000 && noted.empty(); waited += 100) {
    noted = RegistryString("Software\\Tessmark\\Quonthary", "LastApplicationDir");
    if (noted.empty()) Sleep(100);
  }
  EXPECT_EQ(noted, programDir);

  PostMessageA(ownerForm, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(pi.hProcess, 15000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}
