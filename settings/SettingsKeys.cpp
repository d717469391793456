// The whole-set load and save of the indicator's settings and profile tables, and the
// start-up entry.
#include <memory>

#include "app/FormQuonthary.h"
#include "profiles/ProfileStorage.h"
#include "settings/SettingsTable.h"
#include "system/VersionText.h"

namespace {

constexpr sys::RootKey kRoot = sys::RootKey::CurrentUser;
const char kRunKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "Quonthary";
// The time label's right edge stays here whatever its width.
constexpr int kTimeLabelRight = 45;

}  // namespace

void TFormQuonthary::LoadSettings() {
  using settings::Encoding;
  const settings::SettingsStore::Snapshot oneState(Store);
  for (const settings::Setting* row : settings::LoadOrder()) {
    switch (row->Enc) {
      case Encoding::WindowLeft:
        SetLeft(settings::ReadNumber(*row, Store, UseRegistry));
        break;
      case Encoding::WindowTop:
        SetTop(settings::ReadNumber(*row, Store, UseRegistry));
        break;
      case Encoding::ProfileData:
        // Every general value before the profiles is in: the gauge's own parts come first.
        LabelTimeToEnd.SetLeft(kTimeLabelRight - LabelTimeToEnd.Width());
        ImageACPlug.SetVisible(Cfg.ShowACPlugIcon);
        profiles::LoadProfileData(Store, UseRegistry, Profiles);
        UpdateIPMenuItems();
        UpdateProxyMenuItems();
        UpdateMacMenuItems();
        break;
      case Encoding::AppliedMarks:
        // These are the IP profile items' check marks.
        profiles::LoadAppliedMarks(Store, UseRegistry, Profiles);
        ShowAppliedMarks();
        break;
      default:
        settings::LoadValue(*row, Store, UseRegistry, Cfg);
        break;
    }
  }
}

void TFormQuonthary::SaveSettings() {
  using settings::Encoding;
  std::unique_ptr<settings::WriteBatch> batch;
  if (!UseRegistry) batch = Store.OpenBatch();
  // Only a free window has a place worth keeping; in the taskbar the stored one stays.
  const bool windowMode = mnuMove.Enabled();
  for (const settings::Setting& row : settings::SettingsTable()) {
    switch (row.Enc) {
      case Encoding::WindowLeft:
        if (windowMode) settings::WriteNumber(row, Store, UseRegistry, batch.get(), Left());
        break;
      case Encoding::WindowTop:
        // A window parked off screen while the battery is full keeps its real place.
        if (windowMode)
          settings::WriteNumber(row, Store, UseRegistry, batch.get(),
                                IsShown() ? Top() : Top() + kParkOffset);
        break;
      case Encoding::Version:
        settings::WriteText(
            row, Store, UseRegistry, batch.get(),
            sys::GetFileVersionText(Sys.Version, Sys.Env.ExePath(), true, true, true, true));
        break;
      case Encoding::ProfileData:
        profiles::SaveProfileData(Store, UseRegistry, batch.get(), Profiles);
        break;
      case Encoding::AppliedMarks:
        profiles::SaveAppliedMarks(Store, UseRegistry, batch.get(), Profiles);
        break;
      default:
        settings::SaveValue(row, Store, UseRegistry, batch.get(), Cfg);
        break;
    }
  }
  // A failing commit reaches the event that saved, which shows it; the file stays as it was.
  if (batch) Store.Commit(*batch);
}

void TFormQuonthary::ApplyRunAtStartup(bool run) {
  // The start-up entry is the system's own value: always the registry.
  if (run) {
    // A path with blanks is quoted: unquoted, Windows would first try to start the program
    // named by its first word ("C:\Program.exe" for "C:\Program Files\...").
    std::string path = Sys.Env.ExePath();
    if (path.find(' ') != std::string::npos) path = "\"" + path + "\"";
    Store.WriteSettingString(kRoot, kRunKey, kRunValue, path, true, nullptr);
  } else {
    Store.DeleteRegistryValue(kRoot, kRunKey, kRunValue);
  }
}
