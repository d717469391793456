// The battery history command: the window over the discharge log beside the program, run
// modally while the battery tick goes on writing the log it follows, with the battery's
// health as its devices report it now.
#include "app/FormQuonthary.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/FormBatteryHistory.h"

void TFormQuonthary::mnuBatteryHistoryClick(ui::TObject*) {
  // The battery devices are asked only where the system reports a battery.
  std::optional<indicator::HealthReading> healthNow;
  if (PowerStatus->IsBatteryPresent())
    healthNow = indicator::CombineBatteries(Sys.Battery.Batteries(), Sys.Time.Now());
  dialogs::DialogRun<TFormBatteryHistory> run(
      FormBatteryHistory, Dialogs, dialogs::DialogKind::BatteryHistory, DialogEnvironment(),
      ProgramDir() + "discharging_log\\", Cfg.LogWorkTime, healthNow);
  Sys.Screen.SetForegroundWindow(run->Handle());
  run.ShowModal();
}
