#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "settings/SettingsStore.h"
#include "system/Error.h"
#include "system/fake/FakeRegistry.h"

namespace {

namespace fs = std::filesystem;
using settings::SettingsStore;
using sys::RootKey;

const std::string kBase = "\\Software\\Quonthary";
constexpr RootKey HKCU = RootKey::CurrentUser;
constexpr RootKey HKLM = RootKey::LocalMachine;
constexpr bool kRegistry = true;
constexpr bool kIni = false;

void Plant(const fs::path& p, const std::string& data) {
  std::ofstream(p, std::ios::binary) << data;
}

class StoreTest : public testing::Test {
 protected:
  std::string Disk() { return sys::files::ReadAll(ini).value_or("<absent>"); }

  testutil::TempDir dir;
  std::string ini = dir.File("Quonthary.ini");
  sys::FakeRegistry reg;
  SettingsStore store{reg, ini};
};

}  // namespace

TEST(SettingsSection, LastComponentOfKeyPath) {
  EXPECT_EQ(settings::SectionOf("\\Software\\Quonthary"), "Quonthary");
  EXPECT_EQ(settings::SectionOf("\\Software\\Quonthary\\IPChanger12"), "IPChanger12");
  EXPECT_EQ(settings::SectionOf("\\Software\\Quonthary\\IPChanger_Connections"),
            "IPChanger_Connections");
  EXPECT_EQ(settings::SectionOf("C:Colors"), "Colors");
  EXPECT_EQ(settings::SectionOf("Plain"), "Plain");
}

// Registry backend.

TEST_F(StoreTest, RegistryWritesCreateKeysWithTheirKinds) {
  EXPECT_TRUE(
      store.WriteSettingString(HKCU, kBase + "\\IPChanger3", "Used", "1", kRegistry, nullptr));
  EXPECT_TRUE(
      store.WriteSettingInteger(HKCU, kBase + "\\ProxyChanger3", "Used", 1, kRegistry, nullptr));
  EXPECT_TRUE(store.WriteSettingInteger(HKCU, kBase, "Left", -999, kRegistry, nullptr));
  auto ip = reg.Value(HKCU, kBase + "\\IPChanger3", "Used");
  auto px = reg.Value(HKCU, kBase + "\\ProxyChanger3", "Used");
  ASSERT_TRUE(ip && px);
  EXPECT_EQ(ip->Kind, sys::ValueKind::String);
  EXPECT_EQ(ip->Text, "1");
  EXPECT_EQ(px->Kind, sys::ValueKind::Dword);
  EXPECT_EQ(px->Dword, 1u);
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase, "Left", kRegistry), -999);
  EXPECT_EQ(store.ReadSettingString(HKCU, "\\SOFTWARE\\quonthary\\ipchanger3", "USED", kRegistry),
            "1");
  EXPECT_EQ(reg.OpenKeyCount(), 0) << "a key stayed open";
  EXPECT_EQ(Disk(), "<absent>") << "the registry backend touched the INI file";
}

TEST_F(StoreTest, RegistryReadsNeverCreateAndGiveDefaults) {
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "LanguageFile", kRegistry), "");
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase + "\\MacChanger0", "Used", kRegistry), 0);
  EXPECT_FALSE(reg.KeyExists(HKCU, kBase));

  // A key that exists but lacks the value, or holds another kind.
  sys::RegistryValue dword;
  dword.Kind = sys::ValueKind::Dword;
  dword.Dword = 200;
  sys::RegistryValue text;
  text.Text = "1";
  sys::RegistryValue binary;
  binary.Kind = sys::ValueKind::Other;
  reg.PutValue(HKCU, kBase, "Alpha", dword);
  reg.PutValue(HKCU, kBase + "\\ProxyChanger0", "Used", text);
  reg.PutValue(HKCU, kBase + "\\ProxyChanger0", "Blob", binary);
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Alpha", kRegistry), "");
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Absent", kRegistry), "");
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase + "\\ProxyChanger0", "Used", kRegistry), 0);
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase + "\\ProxyChanger0", "Blob", kRegistry), 0);
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase + "\\ProxyChanger0", "Absent", kRegistry), 0);
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase, "Alpha", kRegistry), 200);
  EXPECT_EQ(reg.OpenKeyCount(), 0);
  {
    // A whole load keeps the key it read last open, and sees a key written meanwhile.
    const SettingsStore::Snapshot held(store);
    const std::string ip = kBase + "\\IPChanger0";
    EXPECT_EQ(store.ReadSettingString(HKCU, ip, "Used", kRegistry), "");
    store.WriteSettingString(HKCU, ip, "Used", "1", kRegistry, nullptr);
    EXPECT_EQ(store.ReadSettingString(HKCU, ip, "Used", kRegistry), "1");
    EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase, "Alpha", kRegistry), 200);
    EXPECT_EQ(reg.OpenKeyCount(), 1);
  }
  EXPECT_EQ(reg.OpenKeyCount(), 0);
}

TEST_F(StoreTest, RegistryDeleteOpensCreating) {
  const std::string run = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  EXPECT_TRUE(store.DeleteRegistryValue(HKCU, run, "Quonthary")) << "absent value is no error";
  EXPECT_TRUE(reg.KeyExists(HKCU, run));
  store.WriteSettingString(HKCU, run, "Quonthary", "C:\\Q\\Quonthary.exe", kRegistry, nullptr);
  store.WriteSettingString(HKCU, run, "Other", "x", kRegistry, nullptr);
  EXPECT_TRUE(store.DeleteRegistryValue(HKCU, run, "QUONTHARY"));
  EXPECT_EQ(reg.ValueNames(HKCU, run), std::vector<std::string>{"Other"});
}

TEST_F(StoreTest, ReadOnlyKeysCountAsUnopenable) {
  // A machine-wide key the user may only read, and a per-user key locked the same way.
  const std::string adapter = "\\SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36}\\0007";
  sys::RegistryValue addr;
  addr.Text = "0011AABBCCDD";
  reg.PutValue(HKLM, adapter, "NetworkAddress", addr);
  reg.SetDenied(HKLM, "\\");
  reg.SetDenied(HKCU, kBase + "\\Colors");
  sys::RegistryValue colour;
  colour.Kind = sys::ValueKind::Dword;
  colour.Dword = 255;
  reg.PutValue(HKCU, kBase + "\\Colors", "WhenCharging", colour);

  EXPECT_FALSE(store.WriteSettingString(HKLM, adapter, "NetworkAddress", "x", kRegistry, nullptr));
  EXPECT_FALSE(store.WriteSettingInteger(HKLM, "\\SOFTWARE\\New", "v", 1, kRegistry, nullptr));
  EXPECT_FALSE(store.DeleteRegistryValue(HKLM, adapter, "NetworkAddress"));
  EXPECT_EQ(store.ReadSettingString(HKLM, adapter, "NetworkAddress", kRegistry), "");
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase + "\\Colors", "WhenCharging", kRegistry), 0);
  EXPECT_FALSE(
      store.WriteSettingInteger(HKCU, kBase + "\\Colors", "WhenCharging", 1, kRegistry, nullptr));
  EXPECT_EQ(reg.Value(HKLM, adapter, "NetworkAddress")->Text, "0011AABBCCDD");
  EXPECT_EQ(reg.Value(HKCU, kBase + "\\Colors", "WhenCharging")->Dword, 255u);
  EXPECT_FALSE(reg.KeyExists(HKLM, "\\SOFTWARE\\New"));
  // The rest of the user's tree is still writable.
  EXPECT_TRUE(store.WriteSettingString(HKCU, kBase, "Alpha", "255", kRegistry, nullptr));
}

TEST_F(StoreTest, LastApplicationDir) {
  settings::WriteLastApplicationDir(reg, "C:\\Program Files\\Quonthary\\");
  auto v = reg.Value(HKCU, "\\Software\\Tessmark\\Quonthary", "LastApplicationDir");
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->Text, "C:\\Program Files\\Quonthary\\");
  settings::WriteLastApplicationDir(reg, "D:\\Tools");
  EXPECT_EQ(reg.Value(HKCU, "\\Software\\Tessmark\\Quonthary", "LastApplicationDir")->Text,
            "D:\\Tools\\");

  sys::FakeRegistry locked;
  locked.SetDenied(HKCU, "\\Software");
  settings::WriteLastApplicationDir(locked, "C:\\Q\\");  // must not throw
  EXPECT_FALSE(locked.KeyExists(HKCU, "\\Software\\Tessmark"));
}

// INI backend.

TEST_F(StoreTest, NothingStoredGivesDefaults) {
  EXPECT_TRUE(store.ReadStorageSwitch());
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "LanguageFile", kIni), "");
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase + "\\ProxyChanger0", "Used", kIni), 0);
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "LanguageFile", kRegistry), "");
  EXPECT_EQ(Disk(), "<absent>") << "reading created the file";
  EXPECT_FALSE(reg.KeyExists(HKCU, kBase));
}

TEST_F(StoreTest, IniWritesWaitForCommit) {
  auto batch = store.OpenBatch();
  EXPECT_TRUE(
      store.WriteSettingString(HKCU, kBase, "LanguageFile", "Deutsch.lng", kIni, batch.get()));
  EXPECT_TRUE(
      store.WriteSettingInteger(HKLM, kBase + "\\ProxyChanger12", "Used", -1, kIni, batch.get()));
  EXPECT_EQ(Disk(), "<absent>");
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "LanguageFile", kIni), "");
  store.Commit(*batch);
  EXPECT_EQ(Disk(),
            "[Quonthary]\r\nLanguageFile=Deutsch.lng\r\n\r\n"
            "[ProxyChanger12]\r\nUsed=-1\r\n\r\n");
  EXPECT_EQ(store.ReadSettingString(HKCU, "\\SOFTWARE\\QUONTHARY", "languagefile", kIni),
            "Deutsch.lng");
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase + "\\proxychanger12", "Used", kIni), -1);
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase + "\\ProxyChanger1", "Used", kIni), "")
      << "ProxyChanger1 is not ProxyChanger12";
  EXPECT_FALSE(reg.KeyExists(HKCU, kBase)) << "INI mode wrote to the registry";
}

TEST_F(StoreTest, WriteWithoutBatchCommitsAtOnce) {
  EXPECT_TRUE(store.WriteSettingString(HKCU, kBase, "AboutShowAtStartup", "1", kIni, nullptr));
  EXPECT_EQ(Disk(), "[Quonthary]\r\nAboutShowAtStartup=1\r\n\r\n");
}

TEST_F(StoreTest, CommitKeepsUntouchedContentInOrder) {
  Plant(dir.Native("Quonthary.ini"),
        "; written by hand\n"
        "[Quonthary_SETTINGS]\n"
        "Keep_Settings_in_system_Registry=0\n"
        "[Quonthary]\n"
        "  LanguageFile = English.lng  \n"
        "Left=10\n"
        "Top=20\n"
        "[IPChanger12]\n"
        "Used=1\n"
        "ProfileName=Office\n");
  auto batch = store.OpenBatch();
  store.WriteSettingInteger(HKCU, kBase, "Top", 33, kIni, batch.get());
  store.WriteSettingString(HKCU, kBase + "\\Colors", "WhenCharging", "16777215", kIni, batch.get());
  store.WriteSettingString(HKCU, kBase, "ShowInTaskBar", "1", kIni, batch.get());
  store.Commit(*batch);
  EXPECT_EQ(Disk(),
            "[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=0\r\n\r\n"
            "[Quonthary]\r\nLanguageFile=English.lng\r\nLeft=10\r\nTop=33\r\n"
            "ShowInTaskBar=1\r\n\r\n"
            "[IPChanger12]\r\nUsed=1\r\nProfileName=Office\r\n\r\n"
            "[Colors]\r\nWhenCharging=16777215\r\n\r\n");
}

TEST_F(StoreTest, StorageSwitchValues) {
  struct Case {
    const char* file;
    bool registry;
  } cases[] = {
      {"[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=0\r\n", false},
      {"[quonthary_settings]\r\nKEEP_SETTINGS_IN_SYSTEM_REGISTRY = 0x0\r\n", false},
      {"[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=1\r\n", true},
      {"[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=-3\r\n", true},
      {"[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=\r\n", true},
      {"[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=no\r\n", true},
      {"[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=0abc\r\n", true},
      {"[Quonthary_SETTINGS]\r\n;Keep_Settings_in_system_Registry=0\r\n", true},
      {"[Quonthary]\r\nKeep_Settings_in_system_Registry=0\r\n", true},
      {"", true},
  };
  for (const auto& c : cases) {
    sys::files::WriteReplacing(ini, c.file);
    SettingsStore fresh(reg, ini);
    EXPECT_EQ(fresh.ReadStorageSwitch(), c.registry) << c.file;
    EXPECT_EQ(store.ReadStorageSwitch(), c.registry) << c.file;
  }
}

TEST_F(StoreTest, WritingTheSwitchKeepsTheRest) {
  store.WriteStorageSwitch(false);
  EXPECT_FALSE(store.ReadStorageSwitch());
  auto batch = store.OpenBatch();
  store.WriteSettingString(HKCU, kBase, "Alpha", "255", kIni, batch.get());
  store.Commit(*batch);
  store.WriteStorageSwitch(true);
  EXPECT_TRUE(store.ReadStorageSwitch());
  EXPECT_EQ(Disk(),
            "[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=1\r\n\r\n"
            "[Quonthary]\r\nAlpha=255\r\n\r\n");
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Alpha", kIni), "255");
}

TEST_F(StoreTest, FailedCommitKeepsOldFileAndReports) {
  const std::string before = "[Quonthary]\r\nAlpha=100\r\n\r\n";
  Plant(dir.Native("Quonthary.ini"), before);
  fs::permissions(dir.Native("Quonthary.ini"), fs::perms::owner_read);
  auto batch = store.OpenBatch();
  store.WriteSettingString(HKCU, kBase, "Alpha", "50", kIni, batch.get());
  try {
    store.Commit(*batch);
    FAIL() << "commit over a read-only file reported success";
  } catch (const sys::FileCreateError& e) {
    std::string prefix = "Cannot create file \"" + ini + "\". ";
    EXPECT_EQ(std::string(e.what()).substr(0, prefix.size()), prefix);
  }
  EXPECT_EQ(Disk(), before);
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Alpha", kIni), "100")
      << "a failed commit must not show up in reads";

  // The settings path names a folder: the switch write fails the same way.
  testutil::TempDir other;
  ASSERT_TRUE(sys::files::CreateDir(other.File("Quonthary.ini")));
  SettingsStore blocked(reg, other.File("Quonthary.ini"));
  EXPECT_THROW(blocked.WriteStorageSwitch(false), sys::FileCreateError);
  EXPECT_TRUE(blocked.ReadStorageSwitch());
  EXPECT_TRUE(sys::files::DirectoryExists(other.File("Quonthary.ini")));
  EXPECT_EQ(sys::files::List(other.File("*.ini*")).size(), 1u) << "temporary file left behind";
}

TEST_F(StoreTest, ReadsSeeFilesChangedBehindTheCache) {
  const fs::path native = dir.Native("Quonthary.ini");
  Plant(native, "[Quonthary]\r\nAlpha=100\r\n");
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Alpha", kIni), "100");

  // Same size, clearly later time: the stamp changes.
  auto t0 = fs::last_write_time(native);
  Plant(native, "[Quonthary]\r\nAlpha=200\r\n");
  fs::last_write_time(native, t0 + std::chrono::seconds(5));
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Alpha", kIni), "200");

  // Same size and the very same time, as two writes within one clock tick of a coarse file
  // system would leave it: a recently written file is compared byte for byte.
  auto t1 = fs::last_write_time(native);
  Plant(native, "[Quonthary]\r\nAlpha=300\r\n");
  fs::last_write_time(native, t1);
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Alpha", kIni), "300");

  // Under a snapshot a change shows only once it is let go; the store's own commits at once.
  {
    const SettingsStore::Snapshot held(store);
    Plant(native, "[Quonthary]\r\nAlpha=400\r\n");
    EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Alpha", kIni), "300");
    store.WriteSettingString(HKCU, kBase, "Beta", "b", kIni, nullptr);
    EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Beta", kIni), "b");
  }
  Plant(native, "[Quonthary]\r\nAlpha=500\r\n");
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Alpha", kIni), "500");

  // The file disappears and comes back.
  fs::remove(native);
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Alpha", kIni), "");
  EXPECT_TRUE(store.ReadStorageSwitch());
  Plant(native, "[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=0\r\n");
  EXPECT_FALSE(store.ReadStorageSwitch());
}

TEST_F(StoreTest, ReadsSeeOwnCommitsAtOnce) {
  // Commits of the same size in quick succession: each must be visible immediately.
  for (int i = 0; i < 5; ++i) {
    auto batch = store.OpenBatch();
    store.WriteSettingInteger(HKCU, kBase, "Alpha", 100 + i, kIni, batch.get());
    store.Commit(*batch);
    EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase, "Alpha", kIni), 100 + i);
  }
  // A value with blanks at its ends reads back as the file gives it; a batch commits once.
  auto padded = store.OpenBatch();
  store.WriteSettingString(HKCU, kBase, "Name", " Office ", kIni, padded.get());
  store.Commit(*padded);
  EXPECT_EQ(store.ReadSettingString(HKCU, kBase, "Name", kIni), "Office");
  EXPECT_THROW(store.Commit(*padded), sys::Error);
  // A second store on the same file (another running copy) sees them too.
  SettingsStore other(reg, ini);
  EXPECT_EQ(other.ReadSettingInteger(HKCU, kBase, "Alpha", kIni), 104);
  auto batch = other.OpenBatch();
  other.WriteSettingInteger(HKCU, kBase, "Alpha", 999, kIni, batch.get());
  other.Commit(*batch);
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase, "Alpha", kIni), 999);
}

TEST_F(StoreTest, IniTextConversions) {
  Plant(dir.Native("Quonthary.ini"),
        "[ProxyChanger0]\nUsed=0x10\nUseProxyServer=12abc\nBypassProxyLCon=\n"
        "[Quonthary]\nPercentage=abc\nAlpha=$1F\nLeft=-5\n");
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase + "\\ProxyChanger0", "Used", kIni), 16);
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase + "\\ProxyChanger0", "UseProxyServer", kIni), 0);
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase + "\\ProxyChanger0", "BypassProxyLCon", kIni), 0);
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase, "Alpha", kIni), 31);
  EXPECT_EQ(store.ReadSettingInteger(HKCU, kBase, "Left", kIni), -5);
  // The "bool" encoding: read as text, converted with the value's own default.
  EXPECT_EQ(settings::IntOrDefault(store.ReadSettingString(HKCU, kBase, "Percentage", kIni), 1), 1);
  EXPECT_EQ(settings::IntOrDefault(store.ReadSettingString(HKCU, kBase, "Left", kIni), -999), -5);
}
