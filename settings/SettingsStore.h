// The value store behind every persisted setting: the registry, or the INI file beside the
// program, chosen by the storage switch that always lives in that INI file.
//
// Registry side: writes and deletes open their key creating it, reads open it without
// creating; keys are opened with full access, so a key the user may only read counts as
// one that cannot be opened (writes give false, reads the empty string or 0). A value of
// the wrong kind reads as absent: a DWORD read as a string gives "", a string read as an
// integer gives 0, and so does an integer missing from a key that exists.
//
// INI side: the section is the last component of the key path, the root plays no part.
// Writes go into a WriteBatch that the caller commits; reads see the file as last written,
// whether by this store or by anyone else.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/IniFile.h"
#include "settings/IntegerText.h"
#include "system/Files.h"
#include "system/Registry.h"

namespace settings {

inline const char kSwitchSection[] = "Quonthary_SETTINGS";
inline const char kSwitchKey[] = "Keep_Settings_in_system_Registry";

// The INI section of a key path: the text after its last backslash or colon.
std::string SectionOf(const std::string& keyPath);

// The in-memory copy of the INI file that a group of writes fills before it is committed.
class WriteBatch {
 public:
  explicit WriteBatch(IniFile contents) : ini_(std::move(contents)) {}
  void Set(std::string_view section, std::string_view key, const std::string& value) {
    ini_.Set(section, key, value);
  }
  const IniFile& Contents() const { return ini_; }

 private:
  friend class SettingsStore;
  IniFile ini_;
  bool committed_ = false;  // a commit may have taken the contents
};

class SettingsStore {
 public:
  SettingsStore(sys::Registry& registry, std::string iniPath);

  // While one lives, INI reads take the file as it was when it was made: a load of the whole
  // set reads one state of the file (not half of another program's write), and does not look
  // at the file again for each of its hundreds of values. The store's own commits still show.
  // Registry reads keep the key they read last open, instead of opening it for every value.
  class Snapshot {
   public:
    explicit Snapshot(SettingsStore& store) : store_(store) {
      store_.CurrentIni();
      ++store_.snapshots_;
    }
    ~Snapshot() {
      if (--store_.snapshots_ == 0) store_.readKey_ = {};
    }
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

   private:
    SettingsStore& store_;
  };

  // In INI mode the value goes into batch; without a batch it is committed on its own,
  // which throws sys::FileCreateError like Commit.
  bool WriteSettingString(sys::RootKey root, const std::string& keyPath, std::string_view valueName,
                          const std::string& value, bool useRegistry, WriteBatch* batch);
  std::string ReadSettingString(sys::RootKey root, const std::string& keyPath,
                                std::string_view valueName, bool useRegistry);
  bool WriteSettingInteger(sys::RootKey root, const std::string& keyPath,
                           std::string_view valueName, std::int32_t value, bool useRegistry,
                           WriteBatch* batch);
  std::int32_t ReadSettingInteger(sys::RootKey root, const std::string& keyPath,
                                  std::string_view valueName, bool useRegistry);
  // Registry only; true when the value is gone afterwards (an absent value counts).
  bool DeleteRegistryValue(sys::RootKey root, const std::string& keyPath,
                           const std::string& valueName);

  // A copy of the INI file as it is now (empty when there is none).
  std::unique_ptr<WriteBatch> OpenBatch();
  // Replaces the file with the batch's contents in one step. Throws sys::FileCreateError
  // when that fails; the file then keeps its previous contents. A batch is committed once:
  // its contents may become the store's copy of the file.
  void Commit(WriteBatch& batch);

  // True (registry) unless the INI file holds an integer 0 as the switch.
  bool ReadStorageSwitch();
  // Writes the switch into the INI file at once; throws like Commit.
  void WriteStorageSwitch(bool keepInRegistry);

  const std::string& IniPath() const { return iniPath_; }

 private:
  // The parsed file, re-read only when it changed since the last look.
  const IniFile& CurrentIni();
  const IniFile& Parsed();
  std::optional<std::string> IniValue(const std::string& keyPath, std::string_view valueName);
  std::optional<sys::RegistryValue> RegistryValueOf(sys::RootKey root, const std::string& keyPath,
                                                    std::string_view valueName);
  void Remember(std::optional<sys::FileStamp> stamp, std::string raw);

  sys::Registry& registry_;
  std::string iniPath_;

  int snapshots_ = 0;
  bool cached_ = false;
  std::optional<sys::FileStamp> stamp_;  // nullopt: there was no file
  std::string raw_;                      // the file's bytes
  bool parsed_ = false;                  // ini_ is raw_ parsed
  IniFile ini_;

  struct ReadKey {
    sys::RootKey Root = sys::RootKey::CurrentUser;
    std::string Path;
    std::unique_ptr<sys::RegistryKey> Key;  // null: the key did not open
    bool Tried = false;
  };
  ReadKey readKey_;  // while a snapshot lives
};

// Notes the program's folder (with a trailing backslash) for installers and uninstallers;
// failures are ignored.
void WriteLastApplicationDir(sys::Registry& registry, const std::string& exeDir);

}  // namespace settings
