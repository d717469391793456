// Whole-set load and save of the settings against the real registry and a real INI file,
// with every profile slot in use and a full connection list. Prints the median time of one
// load and one save for each backend.
//
// It writes HKCU\Software\Quonthary and an INI file beside itself, so give it a prefix of its
// own, not the one the tests use. After scripts/lib.sh's build_win64:
//   export WINEPREFIX=$PWD/build/wineprefix-bench
//   /usr/lib/wine/wine64 build/win64/quonthary_winbench.exe [runs]
// It refuses to touch a registry that already holds the program's settings unless given
// --overwrite as well. Not part of the test runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/FormQuontharyMain.h"
#include "system/Win32Platform.h"
#include "tests/ProfileSamples.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

double MedianMs(int runs, const std::function<void()>& once) {
  once();  // warm-up: first use of keys and file
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    once();
    auto t1 = std::chrono::steady_clock::now();
    ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 25;
  bool overwrite = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--overwrite") {
      overwrite = true;
    } else if (std::atoi(argv[i]) > 0) {
      runs = std::atoi(argv[i]);
    }
  }
  sys::Platform& platform = sys::Win32Platform();
  if (!overwrite && platform.Reg.Open(sys::RootKey::CurrentUser, "\\Software\\Quonthary", false)) {
    std::fprintf(stderr, "HKCU\\Software\\Quonthary exists; run with --overwrite to use it.\n");
    return 2;
  }

  try {
    ui::headless::Install();
    const std::string ini = sys::ChangeFileExt(platform.Env.ExePath(), ".ini");
    // Keep the start from adding this program to the start-up entries.
    settings::SettingsStore(platform.Reg, ini).WriteStorageSwitch(true);
    platform.Reg.Open(sys::RootKey::CurrentUser, "\\Software\\Quonthary", true)
        ->SetString("RunAtStartup", "0");

    auto owner = std::make_unique<TFormQuontharyMain>(&ui::Application(), platform);
    TFormQuonthary& ind = *owner->Indicator;
    ind.Profiles = testing_support::FilledProfiles(true);

    for (bool registry : {true, false}) {
      ind.UseRegistry = registry;
      ind.SaveSettings();
      double save = MedianMs(runs, [&] { ind.SaveSettings(); });
      double load = MedianMs(runs, [&] { ind.LoadSettings(); });
      std::printf("%-8s load %8.3f ms   save %8.3f ms   (median of %d)\n",
                  registry ? "registry" : "INI file", load, save, runs);
    }
    owner.reset();
    sys::files::Delete(ini);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "failed: %s\n", e.what());
    return 1;
  }
  return 0;
}
