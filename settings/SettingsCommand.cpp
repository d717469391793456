// The settings command: the dialog filled from the running indicator, run modally, and on OK
// its values taken back and applied in order, then everything saved.
#include "app/FormQuonthary.h"
#include "i18n/FormLanguage.h"
#include "i18n/Translate.h"
#include "settings/FormSettings.h"
#include "settings/SettingsDialogTable.h"

namespace {

using settings::ApplyStage;

void ApplySettings(TFormQuonthary& f, const TFormSettings& d) {
  settings::Settings& cfg = f.Cfg;
  auto copyBack = [&](ApplyStage stage) { settings::CopyBack(d, stage, cfg, f.UseRegistry); };

  // The switch lives in the INI file. A user who keeps the registry, and had it, gets none.
  const bool keepInRegistry = d.cbxKeepInRegistry.Checked();
  if (!f.UseRegistry || !keepInRegistry) f.Store.WriteStorageSwitch(keepInRegistry);
  copyBack(ApplyStage::Storage);

  copyBack(ApplyStage::Language);
  f.FormLanguage->SetLanguageFile(cfg.LanguageFile);
  TranslateForm(f, *f.FormLanguage, f.ProgramDir());
  TranslateForm(*f.FormLanguage, *f.FormLanguage, f.ProgramDir());

  copyBack(ApplyStage::Colours);
  copyBack(ApplyStage::RunAtStartup);
  f.ApplyRunAtStartup(cfg.RunAtStartup);
  copyBack(ApplyStage::WindowOptions);

  // The display mode and the skin are taken only at start. Compared with the mode this run
  // started in, so that switching back in a later use of the dialog asks for nothing.
  if (cfg.ShowInTaskBar != f.StartedInTaskbarMode ||
      d.CheckBoxExtImages.Checked() != cfg.UseExtarnalImages ||
      d.ComboBoxGraphics.Text() != d.LabelGraphics.Caption())
    ui::Application().MessageBox(f.Msg("LabelNeedsRestart"), "Quonthary",
                                 ui::MB_IconExclamation | ui::MB_Ok);

  copyBack(ApplyStage::Display);
  f.ImageACPlug.SetVisible(cfg.ShowACPlugIcon && f.PowerStatus->IsOnMains());
  // An arrow switched off waits 100 pixels above the window.
  f.ImageCharging.SetTop(cfg.ShowChargArrow ? f.ArrowTop : f.ArrowTop - 100);
  f.ImageDischarging.SetTop(cfg.ShowDischargArrow ? f.ArrowTop : f.ArrowTop - 100);

  copyBack(ApplyStage::HideWhenFull);
  if (!cfg.HideWindowWhenFull && !f.IsShown()) f.ShowIndicator();

  copyBack(ApplyStage::TimeAndHotKeys);
  copyBack(ApplyStage::Opacity);
  f.ApplyAlpha(cfg.Alpha);
  copyBack(ApplyStage::SoundOptions);
  copyBack(ApplyStage::DistanceAndFiles);
  copyBack(ApplyStage::MenusAndSkin);

  copyBack(ApplyStage::ConnectionCheck);
  f.TimerIcmp.SetEnabled(cfg.ConnectionCheck);
  if (!cfg.ConnectionCheck) {
    f.ImageNoInternet.Hide();
    f.ConnectionFailures = 0;  // a check turned on again starts afresh
  }

  f.UpdateChangerMenus();

  copyBack(ApplyStage::Size);
  f.ImageACPlug.SetTop(f.Height() - f.ImageACPlug.Height() + 1);
  // Twice, as the plug's place follows the window's height of the call before. A display
  // mode changed in the dialog waits for the restart; this run keeps its own.
  f.ApplyCurrentScale();
  if (f.TaskbarMode() && cfg.AutoHeightOnTaskBar)
    f.DockToTray();
  else
    f.ApplyCurrentScale();

  // Stay on top, the hot keys registered afresh, the scale and the opacity.
  f.ApplyWindowOptions(cfg.StayOnTop);
  // Into the backend the switch names now: a changed switch moves the whole set there.
  f.SaveSettings();
}

}  // namespace

void TFormQuonthary::mnuSettingsClick(ui::TObject*) {
  dialogs::DialogRun<TFormSettings> run(FormSettings, Dialogs, dialogs::DialogKind::Settings,
                                        DialogEnvironment());
  settings::CopyIn(*run, Cfg, UseRegistry);
  if (run.ShowModal() == ui::mrOk)
    ApplySettings(*this, *run);
  else
    ApplyAlpha(Cfg.Alpha);  // the opacity the indicator had before the dialog
}
