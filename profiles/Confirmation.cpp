// The question asked before any profile is put in force.
#include "app/FormQuonthary.h"
#include "dialogs/DialogRunner.h"
#include "profiles/FormMessageChanger.h"

bool TFormQuonthary::ConfirmProfileChange(const std::function<void(TFormMessageChanger&)>& fill) {
  // A command with "/yes" was answered where it was given.
  if (ConfirmedBeforehand) return true;
  dialogs::DialogRun<TFormMessageChanger> run(
      FormMessageChanger, Dialogs, dialogs::DialogKind::MessageChanger, DialogEnvironment());
  Sys.Screen.SetForegroundWindow(Handle());
  fill(*run);
  return run.ShowModal() == ui::mrYes;
}
