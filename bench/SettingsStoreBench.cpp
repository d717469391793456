// Whole-set load and save of the settings file: the store's checked cache against reading
// and parsing the file again for every value.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"
#include "system/fake/FakeRegistry.h"

namespace {

namespace fs = std::filesystem;
using sys::RootKey;

struct Value {
  std::string Path;
  std::string Name;
  bool Integer;  // written and read through the integer operations
  std::string Text;
};

const std::string kBase = "\\Software\\Quonthary";

// Every persisted value in save order: general settings, colours, connection list, 21 slots
// of IP, proxy and MAC profiles, the trailing general settings and the applied marks.
std::vector<Value> WholeSet() {
  std::vector<Value> v;
  auto base = [&](const char* name, const char* text) { v.push_back({kBase, name, false, text}); };
  auto colour = [&](const char* name, const char* text) {
    v.push_back({kBase + "\\Colors", name, false, text});
  };
  base("LanguageFile", "Deutsch.lng");
  base("Left", "120");
  base("Top", "-999");
  base("Percentage", "1");
  base("UserDefBattFullTime", "10800");
  base("UseLifeTimeDefault", "1");
  base("ShowInfoText", "0");
  base("ShowTimeInfo", "1");
  base("ShowTimeOnBattery", "0");
  base("BatteryHeight", "5");
  base("RunAtStartup", "1");
  colour("WhenCharging", "16777215");
  colour("WhenDischarging", "16777215");
  colour("VolumeChanging", "65535");
  colour("WhenChatging", "16777215");
  for (const char* name : {"StayOnTop",
                           "LogWorkTime",
                           "Alpha",
                           "PositionFromTray",
                           "HideWindowWhenFull",
                           "ShowWhenVolChanging",
                           "ShowChargArrow",
                           "ShowDischargArrow",
                           "UseExtarnalImages",
                           "ExtarnalImagesDirectory",
                           "HotKeyWindowToFront",
                           "HotKeyMonOff",
                           "HotKeyMonOn",
                           "HotKeyVolume",
                           "HotKeyMute",
                           "HotKeyIPChanger",
                           "HotKeyProxyChanger",
                           "HotKeyMacChanger",
                           "ShowACPlugIcon",
                           "SoundOption1",
                           "SoundOption2",
                           "SoundOption3",
                           "SoundOption4"}) {
    base(name, "1");
  }
  base("SoundPlugOutSound", "Sound\\BatterySource.wav");
  base("SoundPlugInSound", "Sound\\ACPowerSource.wav");
  base("SoundVolume", "Sound\\VolumeChange.wav");
  base("SoundNoConn", "Sound\\NoConnection.wav");
  base("ShowMenuChange", "0");
  base("ShowMenuWindow", "1");
  base("AboutShowAtStartup", "0");
  base("AboutInternational", "0");
  base("PreviousVersion", "1.0.0.1");
  base("ConnectionCheck", "0");
  base("ConnectionIP", "192.0.2.1");

  const std::string conn = kBase + "\\IPChanger_Connections";
  const int connections = 8;
  v.push_back({conn, "Count", false, std::to_string(connections)});
  for (int i = 0; i < connections; ++i) {
    v.push_back({conn, std::to_string(i), false, "LAN-Verbindung " + std::to_string(i)});
  }
  for (int n = 0; n < 21; ++n) {
    std::string ip = kBase + "\\IPChanger" + std::to_string(n);
    std::string px = kBase + "\\ProxyChanger" + std::to_string(n);
    std::string mac = kBase + "\\MacChanger" + std::to_string(n);
    std::string num = std::to_string(n);
    v.push_back({ip, "Used", false, "1"});
    v.push_back({ip, "ProfileName", false, "Office network " + num});
    v.push_back({ip, "isDHCP", false, n % 2 ? "1" : "0"});
    v.push_back({ip, "statIP", false, "192.168.1." + std::to_string(10 + n)});
    v.push_back({ip, "statMask", false, "255.255.255.0"});
    v.push_back({ip, "statGate", false, "192.168.1.1"});
    v.push_back({ip, "statDns1", false, "192.168.1.2"});
    v.push_back({ip, "statDns2", false, "192.168.1.3"});
    v.push_back({ip, "connectionName", false, "LAN-Verbindung " + std::to_string(n % 8)});
    v.push_back({ip, "ProxyProfile", false, num});
    v.push_back({ip, "MacProfile", false, "-1"});
    v.push_back({px, "Used", true, "1"});
    v.push_back({px, "ProfileName", false, "Proxy " + num});
    v.push_back({px, "UseProxyServer", true, "1"});
    v.push_back({px, "ProxyServer", false, "proxy" + num + ".example.net"});
    v.push_back({px, "ProxyServerPort", false, "8080"});
    v.push_back({px, "BypassProxyLCon", true, "0"});
    v.push_back({mac, "Used", true, "1"});
    v.push_back({mac, "ProfileName", false, "Adapter " + num});
    v.push_back({mac, "NetworkAdapterName", false, "Intel(R) PRO/1000 MT Network Connection"});
    v.push_back({mac, "UseOtherMAC", true, "1"});
    v.push_back({mac, "MacAddress", false, "0011223344" + std::to_string(10 + n)});
    v.push_back({mac, "LinkInRegistry", false, "00" + std::to_string(10 + n)});
  }
  base("ShowInTaskBar", "1");
  base("AutoHeightOnTaskBar", "0");
  for (int n = 0; n < 21; ++n) {
    v.push_back({conn, "Checked" + std::to_string(n), false, n == 3 ? "1" : "0"});
  }
  return v;
}

// A settings file holding the whole set, in its own folder, removed afterwards.
class Fixture {
 public:
  explicit Fixture(bool settled) : values_(WholeSet()) {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("qbench-" + std::to_string(rd()));
    fs::create_directories(dir_);
    path_ = (dir_ / "Quonthary.ini").string();
    store_ = std::make_unique<settings::SettingsStore>(registry_, path_);
    store_->WriteStorageSwitch(false);
    Save();
    // A settled file is one last written well before; a fresh one gets its bytes compared.
    if (settled) {
      fs::last_write_time(path_, fs::last_write_time(path_) - std::chrono::hours(1));
    }
  }
  ~Fixture() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  void Save() {
    auto batch = store_->OpenBatch();
    for (const auto& v : values_) {
      if (v.Integer) {
        store_->WriteSettingInteger(RootKey::CurrentUser, v.Path, v.Name, std::stoi(v.Text), false,
                                    batch.get());
      } else {
        store_->WriteSettingString(RootKey::CurrentUser, v.Path, v.Name, v.Text, false,
                                   batch.get());
      }
    }
    store_->Commit(*batch);
  }

  std::size_t LoadThroughStore() {
    std::size_t sum = 0;
    for (const auto& v : values_) {
      if (v.Integer) {
        sum += static_cast<std::size_t>(
            store_->ReadSettingInteger(RootKey::CurrentUser, v.Path, v.Name, false));
      } else {
        sum += store_->ReadSettingString(RootKey::CurrentUser, v.Path, v.Name, false).size();
      }
    }
    return sum;
  }

  // What a store without a cache does: open, read and parse the whole file for every value.
  std::size_t LoadNaively() {
    std::size_t sum = 0;
    for (const auto& v : values_) {
      auto ini = settings::IniFile::Parse(sys::files::ReadAll(path_).value_or(std::string()));
      auto text = ini.Get(settings::SectionOf(v.Path), v.Name).value_or(std::string());
      sum += v.Integer ? static_cast<std::size_t>(settings::IntOrDefault(text, 0)) : text.size();
    }
    return sum;
  }

  std::size_t Count() const { return values_.size(); }
  std::uint64_t FileSize() const { return fs::file_size(path_); }

 private:
  std::vector<Value> values_;
  fs::path dir_;
  std::string path_;
  sys::FakeRegistry registry_;
  std::unique_ptr<settings::SettingsStore> store_;
};

void Describe(benchmark::State& state, const Fixture& f) {
  state.counters["values"] = static_cast<double>(f.Count());
  state.counters["file_bytes"] = static_cast<double>(f.FileSize());
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * f.Count()));
}

void BM_LoadCached(benchmark::State& state) {
  Fixture f(true);
  for (auto _ : state) benchmark::DoNotOptimize(f.LoadThroughStore());
  Describe(state, f);
}
BENCHMARK(BM_LoadCached)->Unit(benchmark::kMicrosecond);

// Just after a save the file's time stamp alone cannot be trusted.
void BM_LoadCachedFreshFile(benchmark::State& state) {
  Fixture f(false);
  for (auto _ : state) benchmark::DoNotOptimize(f.LoadThroughStore());
  Describe(state, f);
}
BENCHMARK(BM_LoadCachedFreshFile)->Unit(benchmark::kMicrosecond);

void BM_LoadNaive(benchmark::State& state) {
  Fixture f(true);
  for (auto _ : state) benchmark::DoNotOptimize(f.LoadNaively());
  Describe(state, f);
}
BENCHMARK(BM_LoadNaive)->Unit(benchmark::kMillisecond);

// Both loads in turn, reporting how many times slower the naive one is.
void BM_LoadNaiveOverCached(benchmark::State& state) {
  Fixture f(true);
  using Clock = std::chrono::steady_clock;
  Clock::duration cached{}, naive{};
  for (auto _ : state) {
    auto t0 = Clock::now();
    benchmark::DoNotOptimize(f.LoadThroughStore());
    auto t1 = Clock::now();
    benchmark::DoNotOptimize(f.LoadNaively());
    auto t2 = Clock::now();
    cached += t1 - t0;
    naive += t2 - t1;
  }
  state.counters["naive_over_cached"] =
      static_cast<double>(naive.count()) / static_cast<double>(cached.count());
  Describe(state, f);
}
BENCHMARK(BM_LoadNaiveOverCached)->Unit(benchmark::kMillisecond);

void BM_FullSave(benchmark::State& state) {
  Fixture f(true);
  for (auto _ : state) f.Save();
  Describe(state, f);
}
BENCHMARK(BM_FullSave)->Unit(benchmark::kMicrosecond);

}  // namespace
