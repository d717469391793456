#include <gtest/gtest.h>

#include "ProfileSamples.h"
#include "TempDir.h"
#include "profiles/ProfileStorage.h"
#include "system/fake/FakeRegistry.h"

namespace {

using profiles::ProfileTables;
using sys::RootKey;
constexpr RootKey HKCU = RootKey::CurrentUser;

using testing_support::Tie;
ProfileTables Filled() { return testing_support::FilledProfiles(); }

// Runs once with the registry and once with the INI file.
class ProfileStorage : public testing::TestWithParam<bool> {
 protected:
  bool Reg() const { return GetParam(); }

  void Flush() {
    if (pending) store.Commit(*pending);
    pending.reset();
  }
  void Save(const ProfileTables& t) {
    Flush();
    auto batch = Reg() ? nullptr : store.OpenBatch();
    profiles::SaveProfileData(store, Reg(), batch.get(), t);
    profiles::SaveAppliedMarks(store, Reg(), batch.get(), t);
    if (batch) store.Commit(*batch);
  }
  ProfileTables Load(ProfileTables t = {}) {
    Flush();
    profiles::LoadProfileData(store, Reg(), t);
    profiles::LoadAppliedMarks(store, Reg(), t);
    return t;
  }
  // A value as the string operations store it, in either backend; INI values are gathered
  // and committed together before the next load.
  void Put(const std::string& path, const std::string& name, const std::string& text) {
    if (Reg()) {
      reg.PutValue(HKCU, path, name, {sys::ValueKind::String, text, 0});
      return;
    }
    if (!pending) pending = store.OpenBatch();
    store.WriteSettingString(HKCU, path, name, text, false, pending.get());
  }
  std::optional<std::string> Stored(const std::string& path, const std::string& name) {
    if (!Reg())
      return settings::IniFile::Parse(sys::files::ReadAll(ini).value_or(""))
          .Get(settings::SectionOf(path), name);
    auto v = reg.Value(HKCU, path, name);
    if (!v) return std::nullopt;
    return v->Kind == sys::ValueKind::Dword ? std::to_string(v->Dword) : v->Text;
  }

  testutil::TempDir dir;
  std::string ini = dir.File("Quonthary.ini");
  sys::FakeRegistry reg;
  settings::SettingsStore store{reg, ini};
  std::unique_ptr<settings::WriteBatch> pending;
};

TEST_P(ProfileStorage, NothingStoredGivesEmptyTables) {
  // Whatever memory held before is replaced.
  ProfileTables t = Load(Filled());
  for (int n = 0; n < profiles::SlotCount; ++n) {
    const auto i = std::size_t(n);
    EXPECT_FALSE(t.IPProfiles[i].Used);
    EXPECT_EQ(t.IPProfiles[i].ProxyProfile, -1) << n;
    EXPECT_EQ(t.IPProfiles[i].MacProfile, -1) << n;
    EXPECT_EQ(t.IPProfiles[i].ProfileName, "");
    EXPECT_FALSE(t.ProxyProfiles[i].Used);
    EXPECT_FALSE(t.ProxyProfiles[i].UseProxyServer);
    EXPECT_EQ(t.ProxyProfiles[i].ProxyServer, "");
    EXPECT_FALSE(t.MacProfiles[i].Used);
    EXPECT_EQ(t.MacProfiles[i].MacAddress, "");
    EXPECT_FALSE(t.AppliedMarks[i]);
  }
  EXPECT_TRUE(t.ConnectionNames.empty());
}

TEST_P(ProfileStorage, EveryFieldRoundTrips) {
  const ProfileTables want = Filled();
  Save(want);
  const ProfileTables got = Load();
  for (std::size_t i = 0; i < profiles::SlotCount; ++i) {
    EXPECT_EQ(Tie(got.IPProfiles[i]), Tie(want.IPProfiles[i])) << "IP slot " << i;
    EXPECT_EQ(Tie(got.ProxyProfiles[i]), Tie(want.ProxyProfiles[i])) << "proxy slot " << i;
    EXPECT_EQ(Tie(got.MacProfiles[i]), Tie(want.MacProfiles[i])) << "MAC slot " << i;
  }
  EXPECT_EQ(got.ConnectionNames, want.ConnectionNames);
  EXPECT_EQ(got.AppliedMarks, want.AppliedMarks);

  // Unused slots are written whole too.
  EXPECT_EQ(Stored(profiles::IPSlotKey(0), "Used"), "0");
  EXPECT_EQ(Stored(profiles::IPSlotKey(0), "ProfileName"), "Office 0");
  EXPECT_EQ(Stored(profiles::IPSlotKey(20), "ProxyProfile"), "0");
  EXPECT_EQ(Stored(profiles::IPSlotKey(5), "MacProfile"), "5");
  EXPECT_EQ(Stored(profiles::IPSlotKey(4), "MacProfile"), "-1");
  EXPECT_EQ(Stored(profiles::kConnectionsKey, "Checked3"), "1");
  EXPECT_EQ(Stored(profiles::kConnectionsKey, "Checked4"), "0");
}

TEST_P(ProfileStorage, UnreadableTextsTakeTheirDefaults) {
  struct Case {
    std::string Text;
    bool Flag;          // as an IP flag or an applied mark
    int Link;           // as a profile link
    std::size_t Names;  // as the connection count
  };
  const Case cases[] = {{"abc", false, -1, 0}, {"", false, -1, 0},  {"2", true, 2, 2},
                        {"yes", false, -1, 0}, {"0", false, 0, 0},  {"-4", true, -4, 0},
                        {"$1", true, 1, 1},    {"7 ", false, -1, 0}};
  for (const Case& c : cases) {
    Put(profiles::IPSlotKey(5), "Used", c.Text);
    Put(profiles::IPSlotKey(5), "isDHCP", c.Text);
    Put(profiles::IPSlotKey(5), "ProxyProfile", c.Text);
    Put(profiles::IPSlotKey(5), "MacProfile", c.Text);
    Put(profiles::kConnectionsKey, "Count", c.Text);
    Put(profiles::kConnectionsKey, "0", "first");
    Put(profiles::kConnectionsKey, "1", "second");
    Put(profiles::kConnectionsKey, "Checked5", c.Text);
    const ProfileTables t = Load();
    const auto& ip = t.IPProfiles[5];
    // The INI file trims values, so "7 " is "7" there.
    if (!Reg() && c.Text == "7 ") {
      EXPECT_TRUE(ip.Used);
      EXPECT_EQ(ip.ProxyProfile, 7);
      continue;
    }
    EXPECT_EQ(ip.Used, c.Flag) << '"' << c.Text << '"';
    EXPECT_EQ(ip.isDHCP, c.Flag) << '"' << c.Text << '"';
    EXPECT_EQ(ip.ProxyProfile, c.Link) << '"' << c.Text << '"';
    EXPECT_EQ(ip.MacProfile, c.Link) << '"' << c.Text << '"';
    EXPECT_EQ(t.ConnectionNames.size(), c.Names) << '"' << c.Text << '"';
    EXPECT_EQ(t.AppliedMarks[5], c.Flag) << '"' << c.Text << '"';
  }
}

TEST_P(ProfileStorage, AtMostThirtyConnectionNames) {
  Put(profiles::kConnectionsKey, "Count", "35");
  for (int i = 0; i < 35; ++i)
    Put(profiles::kConnectionsKey, std::to_string(i), "c" + std::to_string(i));
  ProfileTables t = Load();
  ASSERT_EQ(t.ConnectionNames.size(), 30u);
  EXPECT_EQ(t.ConnectionNames.front(), "c0");
  EXPECT_EQ(t.ConnectionNames.back(), "c29");

  // A list grown past its room in memory is saved as its first 30 names.
  t.ConnectionNames.push_back("c30 new");
  Save(t);
  EXPECT_EQ(Stored(profiles::kConnectionsKey, "Count"), "30");
  EXPECT_EQ(Stored(profiles::kConnectionsKey, "30"), "c30") << "the old value stays untouched";
  EXPECT_EQ(Load().ConnectionNames.size(), 30u);
}

TEST_P(ProfileStorage, ShrinkingTheListLeavesOldNamesBehind) {
  ProfileTables t;
  t.ConnectionNames = {"a", "b", "c", "d", "e"};
  Save(t);
  t.ConnectionNames = {"x", "y"};
  Save(t);
  EXPECT_EQ(Stored(profiles::kConnectionsKey, "Count"), "2");
  EXPECT_EQ(Stored(profiles::kConnectionsKey, "2"), "c");
  EXPECT_EQ(Stored(profiles::kConnectionsKey, "4"), "e");
  EXPECT_EQ(Load().ConnectionNames, (std::vector<std::string>{"x", "y"}));
}

INSTANTIATE_TEST_SUITE_P(Backends, ProfileStorage, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& p) {
                           return p.param ? "Registry" : "IniFile";
                         });

// In the registry the kinds tell the profile kinds apart: IP values are all strings,
// proxy and MAC flags are DWORDs.
TEST(ProfileStorageRegistry, ValueKinds) {
  testutil::TempDir dir;
  sys::FakeRegistry reg;
  settings::SettingsStore store(reg, dir.File("Quonthary.ini"));
  ProfileTables t = Filled();
  profiles::SaveProfileData(store, true, nullptr, t);
  profiles::SaveAppliedMarks(store, true, nullptr, t);

  auto kind = [&](const std::string& path, const char* name) {
    auto v = reg.Value(HKCU, path, name);
    return v ? v->Kind : sys::ValueKind::Other;
  };
  using K = sys::ValueKind;
  for (const char* name : {"Used", "ProfileName", "isDHCP", "statIP", "statMask", "statGate",
                           "statDns1", "statDns2", "connectionName", "ProxyProfile", "MacProfile"})
    EXPECT_EQ(kind(profiles::IPSlotKey(7), name), K::String) << name;
  for (const char* name : {"Used", "UseProxyServer", "BypassProxyLCon"})
    EXPECT_EQ(kind(profiles::ProxySlotKey(7), name), K::Dword) << name;
  for (const char* name : {"ProfileName", "ProxyServer", "ProxyServerPort"})
    EXPECT_EQ(kind(profiles::ProxySlotKey(7), name), K::String) << name;
  for (const char* name : {"Used", "UseOtherMAC"})
    EXPECT_EQ(kind(profiles::MacSlotKey(7), name), K::Dword) << name;
  for (const char* name : {"ProfileName", "NetworkAdapterName", "MacAddress", "LinkInRegistry"})
    EXPECT_EQ(kind(profiles::MacSlotKey(7), name), K::String) << name;
  for (const char* name : {"Count", "0", "29", "Checked0", "Checked20"})
    EXPECT_EQ(kind(profiles::kConnectionsKey, name), K::String) << name;
  EXPECT_EQ(reg.Value(HKCU, "\\Software\\Quonthary\\ProxyChanger7", "Used")->Dword, 1u);
  EXPECT_EQ(reg.Value(HKCU, "\\Software\\Quonthary\\IPChanger7", "Used")->Text, "1");
  EXPECT_EQ(reg.Value(HKCU, "\\Software\\Quonthary\\MacChanger2", "Used")->Dword, 0u);

  // Texts are kept as they are, blanks included.
  t.IPProfiles[1].ProfileName = "  spaced  ";
  profiles::SaveProfileData(store, true, nullptr, t);
  ProfileTables back;
  profiles::LoadProfileData(store, true, back);
  EXPECT_EQ(back.IPProfiles[1].ProfileName, "  spaced  ");
}

// Proxy and MAC flags go through the integer operations: in the INI file any integer text
// counts, in the registry only a DWORD does.
TEST(ProfileStorageFlags, IntegerFlagsReadAsIntegers) {
  testutil::TempDir dir;
  sys::FakeRegistry reg;
  settings::SettingsStore store(reg, dir.File("Quonthary.ini"));
  auto batch = store.OpenBatch();
  const std::pair<const char*, bool> texts[] = {{"yes", false}, {"2", true},  {"0x1", true},
                                                {"", false},    {"0", false}, {"abc", false}};
  for (int n = 0; n < 6; ++n) {
    store.WriteSettingString(HKCU, profiles::ProxySlotKey(n), "Used", texts[n].first, false,
                             batch.get());
    store.WriteSettingString(HKCU, profiles::MacSlotKey(n), "UseOtherMAC", texts[n].first, false,
                             batch.get());
  }
  store.Commit(*batch);
  ProfileTables t;
  profiles::LoadProfileData(store, false, t);
  for (std::size_t n = 0; n < 6; ++n) {
    EXPECT_EQ(t.ProxyProfiles[n].Used, texts[n].second) << texts[n].first;
    EXPECT_EQ(t.MacProfiles[n].UseOtherMAC, texts[n].second) << texts[n].first;
  }

  reg.PutValue(HKCU, profiles::ProxySlotKey(0), "Used", {sys::ValueKind::String, "1", 0});
  reg.PutValue(HKCU, profiles::ProxySlotKey(1), "Used", {sys::ValueKind::Dword, "", 1});
  profiles::LoadProfileData(store, true, t);
  EXPECT_FALSE(t.ProxyProfiles[0].Used) << "a string where a DWORD belongs reads as absent";
  EXPECT_TRUE(t.ProxyProfiles[1].Used);
}

}  // namespace
