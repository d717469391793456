#include "settings/SettingsStore.h"

#include <ctime>
#include <utility>

#include "settings/IntegerText.h"
#include "system/Error.h"

namespace settings {

namespace {

// A file changed twice within one tick of its file system's clock (2 s on FAT) keeps its
// time stamp; as long as the cached copy is that young, its bytes are compared as well.
constexpr std::int64_t kStampResolutionNs = 3'000'000'000;

bool RecentlyModified(const sys::FileStamp& stamp) {
  // Whole seconds serve (a clock behind by less than one only compares more often), and
  // spare the release the C++ clocks and the threads library under them.
  const std::int64_t now = std::int64_t(std::time(nullptr)) * 1'000'000'000;
  return now - stamp.ModifiedNs < kStampResolutionNs;
}

// SectionOf without a copy, for the reads and writes of a whole set.
std::string_view SectionIn(const std::string& keyPath) {
  const char* const begin = keyPath.data();
  const char* const end = begin + keyPath.size();
  const char* start = end;
  while (start != begin && start[-1] != '\\' && start[-1] != ':') --start;
  return std::string_view(start, std::size_t(end - start));
}

}  // namespace

std::string SectionOf(const std::string& keyPath) { return std::string(SectionIn(keyPath)); }

SettingsStore::SettingsStore(sys::Registry& registry, std::string iniPath)
    : registry_(registry), iniPath_(std::move(iniPath)) {}

bool SettingsStore::WriteSettingString(sys::RootKey root, const std::string& keyPath,
                                       std::string_view valueName, const std::string& value,
                                       bool useRegistry, WriteBatch* batch) {
  if (useRegistry) {
    readKey_ = {};  // it may have been missing until now
    auto key = registry_.Open(root, keyPath, true);
    return key && key->SetString(std::string(valueName), value);
  }
  if (batch) {
    batch->Set(SectionIn(keyPath), valueName, value);
    return true;
  }
  auto own = OpenBatch();
  own->Set(SectionIn(keyPath), valueName, value);
  Commit(*own);
  return true;
}

std::string SettingsStore::ReadSettingString(sys::RootKey root, const std::string& keyPath,
                                             std::string_view valueName, bool useRegistry) {
  if (!useRegistry) return IniValue(keyPath, valueName).value_or(std::string());
  auto v = RegistryValueOf(root, keyPath, valueName);
  if (!v || v->Kind != sys::ValueKind::String) return {};
  return std::move(v->Text);
}

bool SettingsStore::WriteSettingInteger(sys::RootKey root, const std::string& keyPath,
                                        std::string_view valueName, std::int32_t value,
                                        bool useRegistry, WriteBatch* batch) {
  if (useRegistry) {
    readKey_ = {};
    auto key = registry_.Open(root, keyPath, true);
    return key && key->SetDword(std::string(valueName), static_cast<std::uint32_t>(value));
  }
  return WriteSettingString(root, keyPath, valueName, std::to_string(value), false, batch);
}

std::int32_t SettingsStore::ReadSettingInteger(sys::RootKey root, const std::string& keyPath,
                                               std::string_view valueName, bool useRegistry) {
  if (!useRegistry) {
    auto text = IniValue(keyPath, valueName);
    return text ? IntOrDefault(*text, 0) : 0;
  }
  auto v = RegistryValueOf(root, keyPath, valueName);
  if (!v || v->Kind != sys::ValueKind::Dword) return 0;
  return static_cast<std::int32_t>(v->Dword);
}

bool SettingsStore::DeleteRegistryValue(sys::RootKey root, const std::string& keyPath,
                                        const std::string& valueName) {
  auto key = registry_.Open(root, keyPath, true);
  return key && key->DeleteValue(valueName);
}

std::unique_ptr<WriteBatch> SettingsStore::OpenBatch() {
  CurrentIni();
  // The batch takes the parsed copy: a commit replaces it anyway, and the text it came from
  // stays to be parsed again should something be read before.
  parsed_ = false;
  return std::make_unique<WriteBatch>(std::move(ini_));
}

void SettingsStore::Commit(WriteBatch& batch) {
  if (batch.committed_) throw sys::Error("settings: a batch committed twice");
  std::string text = batch.ini_.Serialize();
  sys::files::WriteReplacing(iniPath_, text);
  batch.committed_ = true;
  // What was just written becomes the cached copy, so no read can see an older state.
  auto stamp = sys::files::Stamp(iniPath_);
  if (!stamp) {
    cached_ = false;
    return;
  }
  Remember(stamp, std::move(text));
  // The batch is what the file reads as, unless it holds something a reader would trim or
  // split: then the text is parsed when next read.
  if (batch.ini_.ReadsBackAsIs()) {
    ini_ = std::move(batch.ini_);
    parsed_ = true;
  }
}

bool SettingsStore::ReadStorageSwitch() {
  auto text = CurrentIni().Get(kSwitchSection, kSwitchKey);
  return !text || IntOrDefault(*text, 1) != 0;
}

void SettingsStore::WriteStorageSwitch(bool keepInRegistry) {
  auto batch = OpenBatch();
  batch->Set(kSwitchSection, kSwitchKey, keepInRegistry ? "1" : "0");
  Commit(*batch);
}

std::optional<sys::RegistryValue> SettingsStore::RegistryValueOf(sys::RootKey root,
                                                                 const std::string& keyPath,
                                                                 std::string_view valueName) {
  if (snapshots_ == 0) {
    auto key = registry_.Open(root, keyPath, false);
    return key ? key->Query(std::string(valueName)) : std::nullopt;
  }
  // The values of a key are read one after another: its open key serves them all.
  if (!readKey_.Tried || readKey_.Root != root || readKey_.Path != keyPath) {
    readKey_.Key = registry_.Open(root, keyPath, false);
    readKey_.Root = root;
    readKey_.Path = keyPath;
    readKey_.Tried = true;
  }
  return readKey_.Key ? readKey_.Key->Query(std::string(valueName)) : std::nullopt;
}

std::optional<std::string> SettingsStore::IniValue(const std::string& keyPath,
                                                   std::string_view valueName) {
  return CurrentIni().Get(SectionIn(keyPath), valueName);
}

const IniFile& SettingsStore::CurrentIni() {
  if (snapshots_ > 0 && cached_) return Parsed();
  auto stamp = sys::files::Stamp(iniPath_);
  if (cached_ && stamp == stamp_) {
    if (!stamp || !RecentlyModified(*stamp)) return Parsed();
    auto raw = sys::files::ReadAll(iniPath_);
    if (raw && *raw == raw_) return Parsed();
    Remember(stamp, raw.value_or(std::string()));
    return Parsed();
  }
  std::string raw;
  if (stamp) raw = sys::files::ReadAll(iniPath_).value_or(std::string());
  Remember(stamp, std::move(raw));
  return Parsed();
}

const IniFile& SettingsStore::Parsed() {
  if (!parsed_) {
    ini_ = IniFile::Parse(raw_);
    parsed_ = true;
  }
  return ini_;
}

// Parsed when first read: what a commit wrote is often written over again before.
void SettingsStore::Remember(std::optional<sys::FileStamp> stamp, std::string raw) {
  raw_ = std::move(raw);
  parsed_ = false;
  stamp_ = stamp;
  cached_ = true;
}

void WriteLastApplicationDir(sys::Registry& registry, const std::string& exeDir) {
  std::string dir = exeDir;
  if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += '\\';
  auto key = registry.Open(sys::RootKey::CurrentUser, "\\Software\\Tessmark\\Quonthary", true);
  if (key) key->SetString("LastApplicationDir", dir);
}

}  // namespace settings
