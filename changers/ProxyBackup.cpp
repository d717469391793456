#include "changers/ProxyBackup.h"

#include "changers/ProxyInForce.h"

namespace changers {

namespace {

struct Place {
  const char* Key;
  const char* Value;
};

// In the order WriteProxySettings writes them.
constexpr Place kPlaces[] = {{kInternetSettingsKey, "ProxyEnable"},
                             {kZoneMapKey, "ProxyByPass"},
                             {kInternetSettingsKey, "ProxyServer"},
                             {kInternetSettingsKey, "ProxyOverride"}};

constexpr auto kUser = sys::RootKey::CurrentUser;

}  // namespace

ProxyBackup ProxyBackup::Take(sys::Registry& registry) {
  ProxyBackup backup;
  for (std::size_t i = 0; i < backup.values_.size(); ++i) {
    if (auto key = registry.Open(kUser, kPlaces[i].Key, false))
      backup.values_[i] = key->Query(kPlaces[i].Value);
  }
  return backup;
}

bool ProxyBackup::Restore(sys::Registry& registry) const {
  bool ok = true;
  for (std::size_t i = 0; i < values_.size(); ++i) {
    const std::optional<sys::RegistryValue>& before = values_[i];
    auto key = registry.Open(kUser, kPlaces[i].Key, before.has_value());
    if (!key) {
      // A key that is not there holds no value to delete.
      ok &= !before;
      continue;
    }
    const char* name = kPlaces[i].Value;
    if (!before)
      ok &= key->DeleteValue(name);
    else if (before->Kind == sys::ValueKind::Dword)
      ok &= key->SetDword(name, before->Dword);
    else if (before->Kind == sys::ValueKind::String)
      ok &= key->SetString(name, before->Text);
    else
      ok = false;  // a kind this program does not write
  }
  return ok;
}

}  // namespace changers
