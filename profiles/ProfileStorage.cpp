#include "profiles/ProfileStorage.h"

#include <algorithm>
#include <cstdint>

#include "settings/IntegerText.h"

namespace profiles {

namespace {

using settings::SettingsStore;
using settings::WriteBatch;
constexpr sys::RootKey kRoot = sys::RootKey::CurrentUser;

// IP profiles keep everything as strings, flags included; proxy and MAC profiles keep their
// flags as integers (REG_DWORD). Stored files and registries rely on both.
enum class Stored {
  StringFlag,   // "1"/"0"; true only for a non-zero integer
  IntegerFlag,  // 1/0 through the integer operations
  Text,         // as held, untrimmed
  Link,         // a slot number as signed decimal text; -1 (none) when unreadable
};

template <class R>
struct Field {
  const char* Name;
  Stored How;
  bool R::*Flag = nullptr;
  std::string R::*Text = nullptr;
  std::int32_t R::*Number = nullptr;
};

template <class R>
Field<R> StringFlag(const char* name, bool R::*m) {
  return {name, Stored::StringFlag, m, nullptr, nullptr};
}
template <class R>
Field<R> IntegerFlag(const char* name, bool R::*m) {
  return {name, Stored::IntegerFlag, m, nullptr, nullptr};
}
template <class R>
Field<R> Text(const char* name, std::string R::*m) {
  return {name, Stored::Text, nullptr, m, nullptr};
}
template <class R>
Field<R> Link(const char* name, std::int32_t R::*m) {
  return {name, Stored::Link, nullptr, nullptr, m};
}

// Fields in the order they are read and written.
using IP = IPProfileRecord;
const Field<IP> kIPFields[] = {
    StringFlag("Used", &IP::Used),
    Text("ProfileName", &IP::ProfileName),
    StringFlag("isDHCP", &IP::isDHCP),
    Text("statIP", &IP::statIP),
    Text("statMask", &IP::statMask),
    Text("statGate", &IP::statGate),
    Text("statDns1", &IP::statDns1),
    Text("statDns2", &IP::statDns2),
    Text("connectionName", &IP::connectionName),
    Link("ProxyProfile", &IP::ProxyProfile),
    Link("MacProfile", &IP::MacProfile),
};

using Proxy = ProxyProfileRecord;
const Field<Proxy> kProxyFields[] = {
    IntegerFlag("Used", &Proxy::Used),
    Text("ProfileName", &Proxy::ProfileName),
    IntegerFlag("UseProxyServer", &Proxy::UseProxyServer),
    Text("ProxyServer", &Proxy::ProxyServer),
    Text("ProxyServerPort", &Proxy::ProxyServerPort),
    IntegerFlag("BypassProxyLCon", &Proxy::BypassProxyLCon),
};

using Mac = MacProfileRecord;
const Field<Mac> kMacFields[] = {
    IntegerFlag("Used", &Mac::Used),
    Text("ProfileName", &Mac::ProfileName),
    Text("NetworkAdapterName", &Mac::NetworkAdapterName),
    IntegerFlag("UseOtherMAC", &Mac::UseOtherMAC),
    Text("MacAddress", &Mac::MacAddress),
    Text("LinkInRegistry", &Mac::LinkInRegistry),
};

bool StringFlagValue(const std::string& text) { return settings::IntOrDefault(text, 0) != 0; }
const char* StringFlagText(bool value) { return value ? "1" : "0"; }

template <class R, std::size_t N>
void ReadRecord(SettingsStore& store, bool useRegistry, const std::string& key,
                const Field<R> (&fields)[N], R& record) {
  for (const Field<R>& f : fields) {
    switch (f.How) {
      case Stored::StringFlag:
        record.*f.Flag = StringFlagValue(store.ReadSettingString(kRoot, key, f.Name, useRegistry));
        break;
      case Stored::IntegerFlag:
        record.*f.Flag = store.ReadSettingInteger(kRoot, key, f.Name, useRegistry) != 0;
        break;
      case Stored::Text:
        record.*f.Text = store.ReadSettingString(kRoot, key, f.Name, useRegistry);
        break;
      case Stored::Link:
        record.*f.Number =
            settings::IntOrDefault(store.ReadSettingString(kRoot, key, f.Name, useRegistry), -1);
        break;
    }
  }
}

template <class R, std::size_t N>
void WriteRecord(SettingsStore& store, bool useRegistry, WriteBatch* batch, const std::string& key,
                 const Field<R> (&fields)[N], const R& record) {
  for (const Field<R>& f : fields) {
    switch (f.How) {
      case Stored::StringFlag:
        store.WriteSettingString(kRoot, key, f.Name, StringFlagText(record.*f.Flag), useRegistry,
                                 batch);
        break;
      case Stored::IntegerFlag:
        store.WriteSettingInteger(kRoot, key, f.Name, record.*f.Flag ? 1 : 0, useRegistry, batch);
        break;
      case Stored::Text:
        store.WriteSettingString(kRoot, key, f.Name, record.*f.Text, useRegistry, batch);
        break;
      case Stored::Link:
        store.WriteSettingString(kRoot, key, f.Name, std::to_string(record.*f.Number), useRegistry,
                                 batch);
        break;
    }
  }
}

std::string Checked(int slot) { return "Checked" + std::to_string(slot); }

}  // namespace

std::string IPSlotKey(int slot) {
  return "\\Software\\Quonthary\\IPChanger" + std::to_string(slot);
}
std::string ProxySlotKey(int slot) {
  return "\\Software\\Quonthary\\ProxyChanger" + std::to_string(slot);
}
std::string MacSlotKey(int slot) {
  return "\\Software\\Quonthary\\MacChanger" + std::to_string(slot);
}

void LoadProfileData(SettingsStore& store, bool useRegistry, ProfileTables& tables) {
  // The list holds at most 30 names: a larger stored count keeps the first 30.
  int count = settings::IntOrDefault(
      store.ReadSettingString(kRoot, kConnectionsKey, "Count", useRegistry), 0);
  count = std::clamp(count, 0, MaxConnectionNames);
  tables.ConnectionNames.clear();
  for (int i = 0; i < count; ++i) {
    tables.ConnectionNames.push_back(
        store.ReadSettingString(kRoot, kConnectionsKey, std::to_string(i), useRegistry));
  }

  for (int n = 0; n < SlotCount; ++n) {
    const auto i = static_cast<std::size_t>(n);
    ReadRecord(store, useRegistry, IPSlotKey(n), kIPFields, tables.IPProfiles[i]);
    ReadRecord(store, useRegistry, ProxySlotKey(n), kProxyFields, tables.ProxyProfiles[i]);
    ReadRecord(store, useRegistry, MacSlotKey(n), kMacFields, tables.MacProfiles[i]);
  }
}

void SaveProfileData(SettingsStore& store, bool useRegistry, WriteBatch* batch,
                     const ProfileTables& tables) {
  // Names beyond the count that an earlier save left behind stay; they are never read.
  const std::size_t count =
      std::min(tables.ConnectionNames.size(), static_cast<std::size_t>(MaxConnectionNames));
  store.WriteSettingString(kRoot, kConnectionsKey, "Count", std::to_string(count), useRegistry,
                           batch);
  for (std::size_t i = 0; i < count; ++i) {
    store.WriteSettingString(kRoot, kConnectionsKey, std::to_string(i), tables.ConnectionNames[i],
                             useRegistry, batch);
  }

  for (int n = 0; n < SlotCount; ++n) {
    const auto i = static_cast<std::size_t>(n);
    WriteRecord(store, useRegistry, batch, IPSlotKey(n), kIPFields, tables.IPProfiles[i]);
    WriteRecord(store, useRegistry, batch, ProxySlotKey(n), kProxyFields, tables.ProxyProfiles[i]);
    WriteRecord(store, useRegistry, batch, MacSlotKey(n), kMacFields, tables.MacProfiles[i]);
  }
}

void LoadAppliedMarks(SettingsStore& store, bool useRegistry, ProfileTables& tables) {
  for (int n = 0; n < SlotCount; ++n) {
    tables.AppliedMarks[static_cast<std::size_t>(n)] =
        StringFlagValue(store.ReadSettingString(kRoot, kConnectionsKey, Checked(n), useRegistry));
  }
}

void SaveAppliedMarks(SettingsStore& store, bool useRegistry, WriteBatch* batch,
                      const ProfileTables& tables) {
  for (int n = 0; n < SlotCount; ++n) {
    store.WriteSettingString(kRoot, kConnectionsKey, Checked(n),
                             StringFlagText(tables.AppliedMarks[static_cast<std::size_t>(n)]),
                             useRegistry, batch);
  }
}

}  // namespace profiles
