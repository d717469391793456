// Reporting the outcome of a profile change: a beep, then the timed message box.
#include "app/CommandLine.h"
#include "app/FormQuonthary.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/FormMsgBox.h"

#include <utility>

void TFormQuonthary::ShowTimedMessage(const std::string& message, const std::string& redMessage,
                                      int seconds, int icon) {
  ShowTimedMessage(message, redMessage, seconds, icon, nullptr);
}

void TFormQuonthary::ShowTimedMessage(const std::string& message, const std::string& redMessage,
                                      int seconds, int icon, dialogs::PendingLine pending) {
  // A command that waits learns the outcome now, not when the box has counted down: the
  // information icon reports a change that holds, the exclamation one a failure.
  AnswerCommand(icon == ui::IDI_Asterisk ? app::kExitDone : app::kExitNotCarriedOut);
  Sys.Audio.MessageBeep(0);
  dialogs::DialogRun<TFormMsgBox> run(FormMsgBox, Dialogs, dialogs::DialogKind::MsgBox,
                                      DialogEnvironment());
  run->LabelMsg.SetCaption(message);
  run->LabelRedMsg.SetVisible(!redMessage.empty());
  run->LabelRedMsg.SetCaption(redMessage);
  run->SecondsLeft = seconds;
  run->IconId = icon;
  run->Pending = std::move(pending);
  run.ShowModal();
}
