// The battery history command: the window over the discharge log beside the program, run
// modally while the battery tick goes on writing the log it follows.
#include "app/FormQuonthary.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/FormBatteryHistory.h"

void TFormQuonthary::mnuBatteryHistoryClick(ui::TObject*) {
  dialogs::DialogRun<TFormBatteryHistory> run(
      FormBatteryHistory, Dialogs, dialogs::DialogKind::BatteryHistory, DialogEnvironment(),
      ProgramDir() + "discharging_log\\", Cfg.LogWorkTime);
  Sys.Screen.SetForegroundWindow(run->Handle());
  run.ShowModal();
}
