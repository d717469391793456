// The real program under wine: its first start opens the about dialog, which "Don't show at
// startup" keeps away from the next start; it shows its indicator, notes its folder in the
// registry, ends cleanly when its owner form is closed, and keeps its settings beside itself
// when started from the portable folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "QuontharyVersion.h"
#include "changers/NetworkAdapters.h"
#include "profiles/ProfileStorage.h"
#include "system/Win32Registry.h"
#include "system/win32/Win32Processes.h"
#include "system/win32/WinApi.h"
#include <commctrl.h>
#include <psapi.h>

#include <cctype>
#include "tests/win32/Screenshot.h"

namespace {

const char kBase[] = "Software\\Quonthary";
const char kInstall[] = "Software\\Tessmark\\Quonthary";

std::string TestExeDir() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p = path;
  return p.substr(0, p.find_last_of('\\') + 1);
}

// The program sits one folder above the test program in the build tree.
std::string ProgramDir() {
  std::string testDir = TestExeDir();
  return testDir.substr(0, testDir.find_last_of('\\', testDir.size() - 2) + 1);
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

void SetRegistryString(const char* key, const char* name, const std::string& value) {
  HKEY k;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) !=
      ERROR_SUCCESS)
    return;
  RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 DWORD(value.size() + 1));
  RegCloseKey(k);
}

void DeleteRegistryValue(const char* key, const char* name) {
  HKEY k;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) return;
  RegDeleteValueA(k, name);
  RegCloseKey(k);
}

bool OfProcess(HWND w, DWORD process) {
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  return owner == process;
}

HWND FindOf(const char* className, DWORD process) {
  for (HWND w = FindWindowA(className, nullptr); w;
       w = FindWindowExA(nullptr, w, className, nullptr))
    if (OfProcess(w, process)) return w;
  // A docked indicator is a child of the taskbar: look there too.
  if (HWND bar = FindWindowA("Shell_TrayWnd", nullptr))
    if (HWND w = FindWindowExA(bar, nullptr, className, nullptr))
      if (OfProcess(w, process)) return w;
  return nullptr;
}

HWND WaitForWindow(const char* className, DWORD process, int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 100) {
    if (HWND w = FindOf(className, process)) return w;
    Sleep(100);
  }
  return nullptr;
}

std::string WaitForRegistryString(const char* key, const char* name, int timeoutMs) {
  std::string value;
  for (int waited = 0; waited < timeoutMs && value.empty(); waited += 100) {
    value = RegistryString(key, name);
    if (value.empty()) Sleep(100);
  }
  return value;
}

// The fixed file version of a program, as Explorer shows it.
std::string FileVersion(const std::string& path) {
  DWORD ignored = 0;
  std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), &ignored));
  if (data.empty() || !GetFileVersionInfoA(path.c_str(), 0, DWORD(data.size()), data.data()))
    return "N/A";
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length)) return "N/A";
  std::ostringstream text;
  text << HIWORD(fixed->dwFileVersionMS) << '.' << LOWORD(fixed->dwFileVersionMS) << '.'
       << HIWORD(fixed->dwFileVersionLS) << '.' << LOWORD(fixed->dwFileVersionLS);
  return text.str();
}

// The modules a process has loaded, by file name in lower case.
std::vector<std::string> Modules(DWORD process) {
  std::vector<std::string> names;
  HANDLE h = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process);
  if (!h) return names;
  HMODULE modules[512];
  DWORD bytes = 0;
  if (EnumProcessModules(h, modules, sizeof modules, &bytes)) {
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
      char name[MAX_PATH] = {};
      if (GetModuleBaseNameA(h, modules[i], name, MAX_PATH)) {
        std::string n = name;
        for (char& c : n) c = char(std::tolower(static_cast<unsigned char>(c)));
        names.push_back(n);
      }
    }
  }
  CloseHandle(h);
  return names;
}

// The child window at a point of the window's client area.
HWND ChildAt(HWND window, int x, int y) {
  POINT at{x, y};
  HWND child = ChildWindowFromPoint(window, at);
  return child == window ? nullptr : child;
}

// Programs of an earlier run that still run (wineboot starts the one the start-up entry
// names) would take this test's starts for second ones and answer them: they are closed.
void CloseOtherPrograms() {
  std::vector<HWND> owners;
  EnumWindows(
      [](HWND w, LPARAM found) {
        char name[32] = {};
        GetClassNameA(w, name, sizeof name);
        if (lstrcmpA(name, "TFormQuontharyMain") == 0 && !OfProcess(w, GetCurrentProcessId()))
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&owners));
  for (HWND owner : owners) {
    DWORD id = 0;
    GetWindowThreadProcessId(owner, &id);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
    PostMessageA(owner, WM_CLOSE, 0, 0);
    if (!process) continue;
    if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

class Program {
 public:
  explicit Program(const std::string& exe, const std::string& arguments = "") {
    const std::string dir = exe.substr(0, exe.find_last_of('\\') + 1);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    started_ = CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              dir.c_str(), &si, &pi_);
  }
  ~Program() {
    if (!started_) return;
    if (WaitForSingleObject(pi_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  bool Started() const { return started_; }
  DWORD Id() const { return pi_.dwProcessId; }
  // Closes the owner form, as "Close" in the menu does; the exit code, or -1.
  long Close() {
    HWND owner = FindOf("TFormQuontharyMain", Id());
    if (!owner) return -1;
    PostMessageA(owner, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi_.hProcess, 15000) != WAIT_OBJECT_0) return -1;
    return Ended(15000);
  }
  // The exit code once the program has ended by itself, or -1.
  long Ended(int timeoutMs) {
    if (WaitForSingleObject(pi_.hProcess, DWORD(timeoutMs)) != WAIT_OBJECT_0) return -1;
    DWORD code = 1;
    GetExitCodeProcess(pi_.hProcess, &code);
    return long(code);
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION pi_{};
};

// Looks at the open about dialog, photographs it, ticks "Don't show at startup" and
// presses OK.
void TickAndConfirm(HWND about, const std::string& screenshot) {
  RECT client{};
  GetClientRect(about, &client);
  EXPECT_EQ(client.right, 237);
  EXPECT_EQ(client.bottom, 233);
  EXPECT_TRUE(IsWindowEnabled(about));
  Sleep(500);  // painted
  if (!screenshot.empty()) {
    EXPECT_TRUE(screenshot::Window(reinterpret_cast<sys::WindowHandle>(about)).SavePng(screenshot));
  }
  HWND box = ChildAt(about, 16, 219);
  ASSERT_NE(box, nullptr);
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  HWND ok = FindWindowExA(about, nullptr, "Button", "OK");
  ASSERT_NE(ok, nullptr);
  PostMessageA(ok, BM_CLICK, 0, 0);
}

}  // namespace

TEST(WineProgram, FirstStartShowsTheAboutDialogWhichTheTickKeepsAway) {
  CloseOtherPrograms();
  const std::string exe = ProgramDir() + "Quonthary.exe";
  ASSERT_NE(GetFileAttributesA(exe.c_str()), INVALID_FILE_ATTRIBUTES) << exe;
  // Explorer, the about dialog and the stored version show the build's one number.
  EXPECT_EQ(FileVersion(exe), Q_VERSION_TEXT);
  for (const char* name : {"AboutShowAtStartup", "AboutInternational", "PreviousVersion"})
    DeleteRegistryValue(kBase, name);
  DeleteRegistryValue(kInstall, "LastApplicationDir");

  {
    Program first(exe);
    ASSERT_TRUE(first.Started());
    HWND about = WaitForWindow("TFormAbout", first.Id(), 20000);
    ASSERT_NE(about, nullptr) << "the first start opens the about dialog";
    // Modal inside the start-up: its last step has not happened yet.
    EXPECT_EQ(RegistryString(kInstall, "LastApplicationDir"), "");
    TickAndConfirm(about, "..\\screenshots\\about.png");
    EXPECT_EQ(WaitForRegistryString(kInstall, "LastApplicationDir", 10000), ProgramDir());
    EXPECT_EQ(RegistryString(kBase, "AboutShowAtStartup"), "1");
    EXPECT_EQ(RegistryString(kBase, "AboutInternational"), "0");
    EXPECT_EQ(RegistryString(kBase, "PreviousVersion"), Q_VERSION_TEXT);
    EXPECT_EQ(first.Close(), 0);
  }

  DeleteRegistryValue(kInstall, "LastApplicationDir");
  // The pointer away from where the indicator docks, so that only the move below reaches it.
  SetCursorPos(0, 0);
  Program second(exe);
  ASSERT_TRUE(second.Started());
  HWND indicator = WaitForWindow("TFormQuonthary", second.Id(), 20000);
  ASSERT_NE(indicator, nullptr);
  // The window exists from early in the start-up (the mixer reports to it); it shows at the
  // end.
  for (int waited = 0; waited < 10000 && !IsWindowVisible(indicator); waited += 100) Sleep(100);
  EXPECT_TRUE(IsWindowVisible(indicator));
  RECT r{};
  GetWindowRect(indicator, &r);
  EXPECT_EQ(r.right - r.left, 50);
  // Written as the last step of start-up: a dialog at start would still hold it back.
  EXPECT_EQ(WaitForRegistryString(kInstall, "LastApplicationDir", 10000), ProgramDir());
  EXPECT_EQ(FindOf("TFormAbout", second.Id()), nullptr) << "ticked for this version";
  // What only rare paths need is not loaded by a start and a few seconds of running (the
  // version library is left out here: wine's own user32 loads it). The indicator paints all
  // its parts: the common controls come with its tips, when the pointer first comes over it.
  Sleep(2000);
  auto loaded = [&](const char* name) {
    for (const std::string& module : Modules(second.Id()))
      if (module == name) return true;
    return false;
  };
  for (const char* rare :
       {"wininet.dll", "iphlpapi.dll", "comdlg32.dll", "comctl32.dll", "setupapi.dll"})
    EXPECT_FALSE(loaded(rare)) << rare << " loaded at start";
  EXPECT_EQ(FindOf(TOOLTIPS_CLASSA, second.Id()), nullptr);
  PostMessageA(indicator, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  HWND tips = nullptr;
  for (int waited = 0; waited < 5000 && !tips; waited += 100) {
    Sleep(100);
    tips = FindOf(TOOLTIPS_CLASSA, second.Id());
  }
  ASSERT_NE(tips, nullptr) << "the pointer over the indicator makes its tips";
  EXPECT_EQ(GetWindow(tips, GW_OWNER), indicator);
  EXPECT_GT(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 0);
  EXPECT_TRUE(loaded("comctl32.dll"));
  EXPECT_EQ(second.Close(), 0);
}

TEST(WineProgram, ThePortableFolderKeepsTheSettingsBesideTheProgram) {
  CloseOtherPrograms();
  // The portable zip's layout: the program with the INI file that the package puts beside
  // it (this build's program stands in for the release).
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "Quonthary portable test";
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  fs::create_directories(folder);
  fs::copy_file(ProgramDir() + "Quonthary.exe", folder / "Quonthary.exe");
  fs::copy_file(std::string(Q_SOURCE_DIR) + "\\resources\\portable\\Quonthary.ini",
                folder / "Quonthary.ini");
  // A registry that says "seen": the program must not look there.
  SetRegistryString(kBase, "AboutShowAtStartup", "1");
  SetRegistryString(kBase, "PreviousVersion", Q_VERSION_TEXT);
  SetRegistryString(kBase, "AboutInternational", "registry");
  DeleteRegistryValue(kInstall, "LastApplicationDir");

  {
    Program portable((folder / "Quonthary.exe").string());
    ASSERT_TRUE(portable.Started());
    HWND about = WaitForWindow("TFormAbout", portable.Id(), 20000);
    ASSERT_NE(about, nullptr) << "nothing in the INI file yet: a first start";
    TickAndConfirm(about, "");
    EXPECT_EQ(WaitForRegistryString(kInstall, "LastApplicationDir", 10000), (folder / "").string());
    EXPECT_EQ(portable.Close(), 0);
  }
  std::stringstream text;
  {
    std::ifstream in(folder / "Quonthary.ini", std::ios::binary);
    text << in.rdbuf();
  }
  EXPECT_NE(text.str().find("[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=0\r\n"),
            std::string::npos);
  EXPECT_NE(text.str().find("[Quonthary]\r\nAboutShowAtStartup=1\r\nAboutInternational=0\r\n"
                            "PreviousVersion=" Q_VERSION_TEXT "\r\n"),
            std::string::npos)
      << text.str();
  EXPECT_EQ(RegistryString(kBase, "AboutInternational"), "registry") << "untouched";
  DeleteRegistryValue(kBase, "AboutInternational");
  fs::remove_all(folder, ignored);
}

TEST(WineProgram, ASecondStartHandsItsCommandToTheRunningProgram) {
  CloseOtherPrograms();
  const std::string exe = ProgramDir() + "Quonthary.exe";
  const char kInternet[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
  const std::string serverBefore = RegistryString(kInternet, "ProxyServer");
  SetRegistryString(kBase, "AboutShowAtStartup", "1");
  SetRegistryString(kBase, "PreviousVersion", Q_VERSION_TEXT);
  auto reg = sys::CreateWin32Registry();
  settings::SettingsStore store(*reg, "");
  profiles::ProfileTables tables;
  tables.ProxyProfiles[4] = {true, "Office", true, "10.0.0.1", "8080", false};
  profiles::SaveProfileData(store, true, nullptr, tables);
  SetRegistryString(kInternet, "ProxyServer", "before:1");

  // No program runs: this start is the program, and carries its command out once it is up.
  Program running(exe, "/switcher proxy");
  ASSERT_TRUE(running.Started());
  HWND switcher = WaitForWindow("TFormChanger", running.Id(), 20000);
  ASSERT_NE(switcher, nullptr);
  EXPECT_NE(FindOf("TFormQuonthary", running.Id()), nullptr);
  Sleep(500);  // painted
  EXPECT_TRUE(screenshot::Window(reinterpret_cast<sys::WindowHandle>(switcher))
                  .SavePng("..\\screenshots\\command-line-switcher.png"));
  PostMessageA(switcher, WM_CLOSE, 0, 0);
  {
    Program second(exe, "/proxy office /yes");
    EXPECT_EQ(second.Ended(30000), 0);
  }
  EXPECT_EQ(RegistryString(kInternet, "ProxyServer"), "10.0.0.1:8080");
  HWND result = WaitForWindow("TFormMsgBox", running.Id(), 5000);
  ASSERT_NE(result, nullptr) << "the running program reports the change";
  EXPECT_EQ(Program(exe, "/proxy Nowhere").Ended(30000), 1);
  PostMessageA(result, WM_CLOSE, 0, 0);
  EXPECT_EQ(Program(exe).Ended(30000), 0) << "the gauge to the front";
  {
    // Arguments it does not understand: the usage, in a box of the start's own.
    Program bad(exe, "/proxy");
    HWND box = WaitForWindow("#32770", bad.Id(), 20000);
    ASSERT_NE(box, nullptr);
    Sleep(500);  // painted
    EXPECT_TRUE(screenshot::Window(reinterpret_cast<sys::WindowHandle>(box))
                    .SavePng("..\\screenshots\\command-line-usage.png"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(bad.Ended(10000), 2);
  }
  EXPECT_EQ(running.Close(), 0);
  profiles::SaveProfileData(store, true, nullptr, profiles::ProfileTables{});
  SetRegistryString(kInternet, "ProxyServer", serverBefore);
}

TEST(WineProgram, TheElevatedVerbWritesOneAdapterValueAndEnds) {
  const std::string exe = ProgramDir() + "Quonthary.exe";
  const std::string adapter = std::string(changers::kAdapterClassKey) + "\\QuontharyTest";
  auto reg = sys::CreateWin32Registry();
  auto value = [&]() -> std::string {
    auto key = reg->Open(sys::RootKey::LocalMachine, adapter, false);
    auto v = key ? key->Query(changers::kNetworkAddressValue) : std::nullopt;
    return v ? v->Text : "<none>";
  };
  ASSERT_TRUE(reg->Open(sys::RootKey::LocalMachine, adapter, true)->SetString("BusType", "5"));
  EXPECT_EQ(Program(exe, "/networkaddress QuontharyTest 02AABBCCDDEE").Ended(20000), 0);
  EXPECT_EQ(value(), "02AABBCCDDEE");
  EXPECT_EQ(Program(exe, "/networkaddress QuontharyTest /delete").Ended(20000), 0);
  EXPECT_EQ(value(), "<none>");
  EXPECT_EQ(Program(exe, "/networkaddress QuontharyGone 02AABBCCDDEE").Ended(20000), 1);
  // As the running program starts it: through the shell, asking for administrator rights.
  sys::Win32Processes shell;
  EXPECT_GT(shell.ShellExecuteElevatedAndWait(exe, "/networkaddress QuontharyTest 0A1B2C3D4E5F", "",
                                              SW_SHOWNORMAL, true),
            32);
  EXPECT_EQ(value(), "0A1B2C3D4E5F");
  sys::DeleteWin32RegistryTree(sys::RootKey::LocalMachine, adapter);
}
