#include "i18n/template/ProgramWindows.h"

#include "changers/FormMacChanger.h"
#include "changers/FormProxy.h"
#include "dialogs/FormAbout.h"
#include "dialogs/FormBatteryHistory.h"
#include "dialogs/FormMsgBox.h"
#include "profiles/FormChanger.h"
#include "profiles/FormIPChanger.h"
#include "profiles/FormImportSettings.h"
#include "profiles/FormMessageChanger.h"
#include "settings/FormSettings.h"
#include "settings/SettingsStore.h"
#include "system/Environment.h"
#include "system/VersionText.h"
#include "ui/headless/HeadlessBackend.h"

namespace i18n {

ProgramWindows::ProgramWindows(const std::string& programDir) {
  ui::headless::Install();
  fake_.Environment.Exe = programDir + "Quonthary.exe";
  fake_.Environment.Temp = programDir;
  // On mains and full: the gauge's texts are then figures and state words, which the
  // template leaves out as the data they are.
  fake_.PowerSource.Status.ACLineStatus = 1;
  fake_.PowerSource.Status.BatteryFlag = 1;
  fake_.PowerSource.Status.BatteryLifePercent = 100;
  // The about dialog was seen for this version, so the start opens no window by itself.
  const std::string version =
      sys::GetFileVersionText(fake_.VersionInfo, fake_.Environment.Exe, true, true, true, true);
  settings::SettingsStore store(fake_.Registry, sys::ChangeFileExt(fake_.Environment.Exe, ".ini"));
  for (const auto& [name, value] : {std::pair<const char*, std::string>{"AboutShowAtStartup", "1"},
                                    {"PreviousVersion", version}})
    store.WriteSettingString(sys::RootKey::CurrentUser, "\\Software\\Quonthary", name, value, true,
                             nullptr);

  owner_ = std::make_unique<TFormQuontharyMain>(&ui::Application(), fake_.Platform());
  ui::Application().SetMainForm(owner_.get());
  TFormQuonthary& ind = Indicator();
  const dialogs::DialogEnv env = ind.DialogEnvironment();
  auto make = [&](auto window) {
    windows_.push_back(window.get());
    dialogs_.push_back(std::move(window));
  };
  windows_.push_back(&ind);
  windows_.push_back(ind.FormLanguage.get());
  ui::TComponent* app = &ui::Application();
  make(std::make_unique<TFormAbout>(app, env, ind.Sys.Shell));
  make(std::make_unique<TFormIPChanger>(app, env, tables_, IPEditorLinks{}));
  make(std::make_unique<TFormProxy>(app, env, tables_, ind.Sys.Reg, profiles::OrderDialogRunner{}));
  make(std::make_unique<TFormMacChanger>(
      app, env, tables_, [] { return changers::NetworkAdapters{}; },
      profiles::OrderDialogRunner{}));
  make(std::make_unique<TFormMsgBox>(app, env));
  make(std::make_unique<TFormMessageChanger>(app, env));
  make(std::make_unique<TFormImportSettings>(app, env));
  make(std::make_unique<TFormSettings>(app, env));
  make(std::make_unique<TFormChanger>(app, env, TFormChanger::Links{}));
  make(std::make_unique<TFormBatteryHistory>(app, env, programDir + "discharging_log\\", false));
}

ProgramWindows::~ProgramWindows() {
  // The dialogs first: they refer to the indicator's message holder.
  windows_.clear();
  dialogs_.clear();
  owner_.reset();
}

}  // namespace i18n
