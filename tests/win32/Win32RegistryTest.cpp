#include <gtest/gtest.h>

#include <algorithm>

#include "settings/SettingsStore.h"
#include "system/Win32Registry.h"

namespace {

using sys::RootKey;
const std::string kTestKey = "\\Software\\QuontharyTest";

class Win32RegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sys::DeleteWin32RegistryTree(RootKey::CurrentUser, kTestKey));
  }
  void TearDown() override {
    EXPECT_TRUE(sys::DeleteWin32RegistryTree(RootKey::CurrentUser, kTestKey));
  }

  std::unique_ptr<sys::Registry> reg = sys::CreateWin32Registry();
};

}  // namespace

TEST_F(Win32RegistryTest, ValuesKeepTheirKinds) {
  auto key = reg->Open(RootKey::CurrentUser, kTestKey + "\\Values", true);
  ASSERT_NE(key, nullptr);
  EXPECT_TRUE(key->SetString("Name", "LAN-Verbindung \xe4"));
  EXPECT_TRUE(key->SetString("Empty", ""));
  EXPECT_TRUE(key->SetDword("Used", 0xFFFFFFFFu));
  // Just within the first read, and past it.
  const std::string fits(255, 'y'), longer(256, 'x');
  EXPECT_TRUE(key->SetString("Fits", fits));
  EXPECT_TRUE(key->SetString("Longer", longer));
  key.reset();

  // Open without the leading backslash too, and with other letter case.
  auto again = reg->Open(RootKey::CurrentUser, "software\\QUONTHARYTEST\\values", false);
  ASSERT_NE(again, nullptr);
  auto name = again->Query("NAME");
  ASSERT_TRUE(name.has_value());
  EXPECT_EQ(name->Kind, sys::ValueKind::String);
  EXPECT_EQ(name->Text, "LAN-Verbindung \xe4");
  ASSERT_TRUE(again->Query("Empty").has_value());
  EXPECT_EQ(again->Query("Empty")->Text, "");
  auto used = again->Query("Used");
  ASSERT_TRUE(used.has_value());
  EXPECT_EQ(used->Kind, sys::ValueKind::Dword);
  EXPECT_EQ(used->Dword, 0xFFFFFFFFu);
  EXPECT_FALSE(again->Query("Absent").has_value());
  EXPECT_EQ(again->Query("Fits")->Text, fits);
  EXPECT_EQ(again->Query("Longer")->Text, longer);

  EXPECT_TRUE(again->DeleteValue("Name"));
  EXPECT_FALSE(again->Query("Name").has_value());
  EXPECT_TRUE(again->DeleteValue("Name")) << "an absent value is no error";
}

TEST_F(Win32RegistryTest, OpenWithoutCreateAndTreeRemoval) {
  EXPECT_EQ(reg->Open(RootKey::CurrentUser, kTestKey, false), nullptr);
  ASSERT_NE(reg->Open(RootKey::CurrentUser, kTestKey + "\\A\\B", true), nullptr);
  EXPECT_NE(reg->Open(RootKey::CurrentUser, kTestKey + "\\A", false), nullptr);
  EXPECT_EQ(reg->Open(RootKey::CurrentUser, kTestKey + "\\A\\C", false), nullptr);
  EXPECT_TRUE(sys::DeleteWin32RegistryTree(RootKey::CurrentUser, kTestKey + "\\A"));
  EXPECT_EQ(reg->Open(RootKey::CurrentUser, kTestKey + "\\A", false), nullptr);
  EXPECT_NE(reg->Open(RootKey::CurrentUser, kTestKey, false), nullptr);
}

TEST_F(Win32RegistryTest, SubKeysAreListed) {
  for (const char* name : {"IPChanger0", "IPChanger1", "Colors", "IPChanger_Connections"}) {
    ASSERT_NE(reg->Open(RootKey::CurrentUser, kTestKey + "\\Q\\" + name, true), nullptr);
  }
  auto key = reg->Open(RootKey::CurrentUser, kTestKey + "\\Q", false);
  ASSERT_NE(key, nullptr);
  auto names = key->SubKeyNames();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Colors", "IPChanger0", "IPChanger1",
                                             "IPChanger_Connections"}));
  auto leaf = reg->Open(RootKey::CurrentUser, kTestKey + "\\Q\\Colors", false);
  ASSERT_NE(leaf, nullptr);
  EXPECT_TRUE(leaf->SubKeyNames().empty());
}

TEST_F(Win32RegistryTest, StoreOverTheRealRegistry) {
  settings::SettingsStore store(*reg, "unused.ini");
  const std::string base = kTestKey + "\\Quonthary";
  EXPECT_EQ(store.ReadSettingString(RootKey::CurrentUser, base, "LanguageFile", true), "");
  EXPECT_EQ(store.ReadSettingInteger(RootKey::CurrentUser, base, "Used", true), 0);
  EXPECT_EQ(reg->Open(RootKey::CurrentUser, base, false), nullptr) << "a read created the key";

  EXPECT_TRUE(store.WriteSettingString(RootKey::CurrentUser, base + "\\IPChanger4", "Used", "1",
                                       true, nullptr));
  EXPECT_TRUE(store.WriteSettingInteger(RootKey::CurrentUser, base + "\\ProxyChanger4", "Used", -2,
                                        true, nullptr));
  EXPECT_EQ(store.ReadSettingString(RootKey::CurrentUser, base + "\\IPChanger4", "Used", true),
            "1");
  EXPECT_EQ(store.ReadSettingInteger(RootKey::CurrentUser, base + "\\ProxyChanger4", "Used", true),
            -2);
  // Wrong kinds and absent values in keys that exist read as the defaults.
  EXPECT_EQ(store.ReadSettingString(RootKey::CurrentUser, base + "\\ProxyChanger4", "Used", true),
            "");
  EXPECT_EQ(store.ReadSettingInteger(RootKey::CurrentUser, base + "\\IPChanger4", "Used", true), 0);
  EXPECT_EQ(store.ReadSettingInteger(RootKey::CurrentUser, base + "\\IPChanger4", "Nope", true), 0);
  EXPECT_TRUE(store.DeleteRegistryValue(RootKey::CurrentUser, base + "\\IPChanger4", "Used"));
  EXPECT_EQ(store.ReadSettingString(RootKey::CurrentUser, base + "\\IPChanger4", "Used", true), "");
  EXPECT_TRUE(store.DeleteRegistryValue(RootKey::CurrentUser, base + "\\Run", "Quonthary"));
  EXPECT_NE(reg->Open(RootKey::CurrentUser, base + "\\Run", false), nullptr)
      << "delete opens its key creating it";
}

TEST_F(Win32RegistryTest, MachineKeysAreReadable) {
  // Wine lets everyone write below HKEY_LOCAL_MACHINE, so only reading is checked here.
  auto key =
      reg->Open(RootKey::LocalMachine, "\\Software\\Microsoft\\Windows NT\\CurrentVersion", false);
  ASSERT_NE(key, nullptr);
  auto v = key->Query("CurrentVersion");
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->Kind, sys::ValueKind::String);
  EXPECT_FALSE(v->Text.empty());
}
