// The about dialog as the indicator runs it: from the menu ("About", F1) and by itself at
// the first start of each new version.
#include <memory>

#include "app/FormQuonthary.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/FormAbout.h"
#include "system/VersionText.h"

namespace {
const char kBaseKey[] = "\\Software\\Quonthary";
}

void TFormQuonthary::mnuAboutClick(ui::TObject*) { ShowAboutDialog(); }

void TFormQuonthary::FirstRunAboutCheck() {
  FirstShowPending = false;
  const std::string running =
      sys::GetFileVersionText(Sys.Version, Sys.Env.ExePath(), true, true, true, true);
  // A new version (or a first installation, where nothing is stored) asks again.
  if (Cfg.PreviousVersion != running) Cfg.AboutShowAtStartup = false;
  if (Cfg.AboutShowAtStartup) return;
  // Start-up goes on whatever happens in the dialog: a store that cannot be written is
  // shown to the user, and the indicator still comes up.
  ui::Guarded([this] { ShowAboutDialog(); });
}

void TFormQuonthary::ShowAboutDialog() {
  dialogs::DialogRun<TFormAbout> run(FormAbout, Dialogs, dialogs::DialogKind::About,
                                     DialogEnvironment(), Sys.Shell);
  run->CheckBoxDontShow.SetChecked(Cfg.AboutShowAtStartup);
  run->CheckBoxInternational.SetChecked(Cfg.AboutInternational);
  run->Build = sys::GetFileVersionText(Sys.Version, Sys.Env.ExePath(), false, false, false, true);
  run.ShowModal();

  // Whichever way it closed: OK, Escape, the title bar, or the program ending.
  Cfg.AboutShowAtStartup = run->CheckBoxDontShow.Checked();
  Cfg.AboutInternational = run->CheckBoxInternational.Checked();
  Cfg.PreviousVersion =
      sys::GetFileVersionText(Sys.Version, Sys.Env.ExePath(), true, true, true, true);
  std::unique_ptr<settings::WriteBatch> batch;
  if (!UseRegistry) batch = Store.OpenBatch();
  const sys::RootKey root = sys::RootKey::CurrentUser;
  Store.WriteSettingString(root, kBaseKey, "AboutShowAtStartup", Cfg.AboutShowAtStartup ? "1" : "0",
                           UseRegistry, batch.get());
  Store.WriteSettingString(root, kBaseKey, "AboutInternational", Cfg.AboutInternational ? "1" : "0",
                           UseRegistry, batch.get());
  Store.WriteSettingString(root, kBaseKey, "PreviousVersion", Cfg.PreviousVersion, UseRegistry,
                           batch.get());
  if (batch) Store.Commit(*batch);
}
