// The profile tables in the settings store: one key per slot and kind, the connection list
// and the applied marks under their own key. A save writes every slot whole, used or not.
// Reads never fail: absent or unreadable values take their defaults (flags false, texts
// empty, links -1).
#pragma once
#include <string>

#include "profiles/ProfileRecords.h"
#include "settings/SettingsStore.h"

namespace profiles {

inline const char kConnectionsKey[] = "\\Software\\Quonthary\\IPChanger_Connections";

// Key paths of slot n (0-20): "...\IPChanger" + n and likewise ProxyChanger, MacChanger.
std::string IPSlotKey(int slot);
std::string ProxySlotKey(int slot);
std::string MacSlotKey(int slot);

// The connection list, then for each slot its IP, proxy and MAC record. A save puts these
// where the general settings leave room for them; the applied marks come later, apart.
void LoadProfileData(settings::SettingsStore& store, bool useRegistry, ProfileTables& tables);
void SaveProfileData(settings::SettingsStore& store, bool useRegistry, settings::WriteBatch* batch,
                     const ProfileTables& tables);

// "Checked0" ... "Checked20" under the connections key.
void LoadAppliedMarks(settings::SettingsStore& store, bool useRegistry, ProfileTables& tables);
void SaveAppliedMarks(settings::SettingsStore& store, bool useRegistry, settings::WriteBatch* batch,
                      const ProfileTables& tables);

}  // namespace profiles
