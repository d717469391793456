#include <gtest/gtest.h>

#include "system/fake/FakeRegistry.h"

using sys::RootKey;

TEST(FakeRegistry, KeysAndValuesIgnoreCaseAndListInCreationOrder) {
  sys::FakeRegistry reg;
  EXPECT_EQ(reg.Open(RootKey::CurrentUser, "\\Software\\Quonthary", false), nullptr);
  {
    auto key = reg.Open(RootKey::CurrentUser, "\\Software\\Quonthary\\Colors", true);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->SetString("WhenCharging", "1"));
    EXPECT_TRUE(key->SetDword("whencharging", 7));  // same value, new kind
    EXPECT_TRUE(key->SetString("Zeta", "z"));
    EXPECT_TRUE(key->SetString("Alpha", "a"));
  }
  EXPECT_EQ(reg.ValueNames(RootKey::CurrentUser, "Software\\QUONTHARY\\colors"),
            (std::vector<std::string>{"WhenCharging", "Zeta", "Alpha"}));
  auto v = reg.Value(RootKey::CurrentUser, "\\software\\quonthary\\COLORS", "WHENCHARGING");
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->Kind, sys::ValueKind::Dword);
  EXPECT_EQ(v->Dword, 7u);
  EXPECT_FALSE(reg.KeyExists(RootKey::LocalMachine, "\\Software\\Quonthary"));

  for (const char* name : {"IPChanger2", "IPChanger10", "Colors", "IPChanger1"}) {
    reg.Open(RootKey::CurrentUser, std::string("\\Software\\Quonthary\\") + name, true);
  }
  auto parent = reg.Open(RootKey::CurrentUser, "\\Software\\Quonthary", false);
  ASSERT_NE(parent, nullptr);
  EXPECT_EQ(parent->SubKeyNames(),
            (std::vector<std::string>{"Colors", "IPChanger2", "IPChanger10", "IPChanger1"}));
  EXPECT_TRUE(parent->DeleteValue("absent"));
  EXPECT_EQ(reg.OpenKeyCount(), 1);
  parent.reset();
  EXPECT_EQ(reg.OpenKeyCount(), 0);
}

TEST(FakeRegistry, DeniedKeysRefuseFullAccess) {
  sys::FakeRegistry reg;
  sys::RegistryValue addr;
  addr.Text = "001122334455";
  const std::string cls = "\\SYSTEM\\CurrentControlSet\\Control\\Class";
  reg.PutValue(RootKey::LocalMachine, cls + "\\0001", "NetworkAddress", addr);
  reg.SetDenied(RootKey::LocalMachine, "\\SYSTEM");

  EXPECT_EQ(reg.Open(RootKey::LocalMachine, cls + "\\0001", false), nullptr);
  EXPECT_EQ(reg.Open(RootKey::LocalMachine, cls + "\\0001", true), nullptr);
  EXPECT_EQ(reg.Open(RootKey::LocalMachine, cls + "\\0002", true), nullptr);
  EXPECT_FALSE(reg.KeyExists(RootKey::LocalMachine, cls + "\\0002")) << "created on refusal";
  EXPECT_EQ(reg.Value(RootKey::LocalMachine, cls + "\\0001", "NetworkAddress")->Text,
            "001122334455");
  EXPECT_NE(reg.Open(RootKey::LocalMachine, "\\SOFTWARE", true), nullptr);

  reg.SetDenied(RootKey::LocalMachine, "\\SYSTEM", false);
  EXPECT_NE(reg.Open(RootKey::LocalMachine, cls + "\\0001", false), nullptr);
  EXPECT_EQ(reg.OpenKeyCount(), 0);
}
