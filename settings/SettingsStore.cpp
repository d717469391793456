#include "settings/SettingsStore.h"

#include <ctime>
#include <utility>

#include "settings/IntegerText.h"

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

}  // namespace

std::string SectionOf(const std::string& keyPath) {
  auto pos = keyPath.find_last_of("\\:");
  return pos == std::string::npos ? keyPath : keyPath.substr(pos + 1);
}

SettingsStore::SettingsStore(sys::Registry& registry, std::string iniPath)
    : registry_(registry), iniPath_(std::move(iniPath)) {}

bool SettingsStore::WriteSettingString(sys::RootKey root, const std::string& keyPath,
                                       const std::string& valueName, const std::string& value,
                                       bool useRegistry, WriteBatch* batch) {
  if (useRegistry) {
    auto key = registry_.Open(root, keyPath, true);
    return key && key->SetString(valueName, value);
  }
  if (batch) {
    batch->Set(SectionOf(keyPath), valueName, value);
    return true;
  }
  auto own = OpenBatch();
  own->Set(SectionOf(keyPath), valueName, value);
  Commit(*own);
  return true;
}

std::string SettingsStore::ReadSettingString(sys::RootKey root, const std::string& keyPath,
                                             const std::string& valueName, bool useRegistry) {
  if (!useRegistry) return IniValue(keyPath, valueName).value_or(std::string());
  auto key = registry_.Open(root, keyPath, false);
  if (!key) return {};
  auto v = key->Query(valueName);
  if (!v || v->Kind != sys::ValueKind::String) return {};
  return v->Text;
}

bool SettingsStore::WriteSettingInteger(sys::RootKey root, const std::string& keyPath,
                                        const std::string& valueName, std::int32_t value,
                                        bool useRegistry, WriteBatch* batch) {
  if (useRegistry) {
    auto key = registry_.Open(root, keyPath, true);
    return key && key->SetDword(valueName, static_cast<std::uint32_t>(value));
  }
  return WriteSettingString(root, keyPath, valueName, std::to_string(value), false, batch);
}

std::int32_t SettingsStore::ReadSettingInteger(sys::RootKey root, const std::string& keyPath,
                                               const std::string& valueName, bool useRegistry) {
  if (!useRegistry) {
    auto text = IniValue(keyPath, valueName);
    return text ? IntOrDefault(*text, 0) : 0;
  }
  auto key = registry_.Open(root, keyPath, false);
  if (!key) return 0;
  auto v = key->Query(valueName);
  if (!v || v->Kind != sys::ValueKind::Dword) return 0;
  return static_cast<std::int32_t>(v->Dword);
}

bool SettingsStore::DeleteRegistryValue(sys::RootKey root, const std::string& keyPath,
                                        const std::string& valueName) {
  auto key = registry_.Open(root, keyPath, true);
  return key && key->DeleteValue(valueName);
}

std::unique_ptr<WriteBatch> SettingsStore::OpenBatch() {
  return std::make_unique<WriteBatch>(CurrentIni());
}

void SettingsStore::Commit(WriteBatch& batch) {
  std::string text = batch.Contents().Serialize();
  sys::files::WriteReplacing(iniPath_, text);
  // What was just written becomes the cached copy, so no read can see an older state.
  auto stamp = sys::files::Stamp(iniPath_);
  if (stamp) {
    Remember(stamp, std::move(text));
  } else {
    cached_ = false;
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

std::optional<std::string> SettingsStore::IniValue(const std::string& keyPath,
                                                   const std::string& valueName) {
  return CurrentIni().Get(SectionOf(keyPath), valueName);
}

const IniFile& SettingsStore::CurrentIni() {
  auto stamp = sys::files::Stamp(iniPath_);
  if (cached_ && stamp == stamp_) {
    if (!stamp || !RecentlyModified(*stamp)) return ini_;
    auto raw = sys::files::ReadAll(iniPath_);
    if (raw && *raw == raw_) return ini_;
    Remember(stamp, raw.value_or(std::string()));
    return ini_;
  }
  std::string raw;
  if (stamp) raw = sys::files::ReadAll(iniPath_).value_or(std::string());
  Remember(stamp, std::move(raw));
  return ini_;
}

void SettingsStore::Remember(std::optional<sys::FileStamp> stamp, std::string raw) {
  ini_ = IniFile::Parse(raw);
  raw_ = std::move(raw);
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
