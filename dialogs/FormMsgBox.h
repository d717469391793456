// The timed message box: a system icon, the message, an optional red line asking to restart
// the network device, and an OK button that counts the seconds down and closes the box at
// zero. Launched (modally, once per message) by TFormQuonthary::ShowTimedMessage.
#pragma once
#include <string>

#include "dialogs/Dialog.h"
#include "dialogs/ResultLine.h"
#include "ui/Ui.h"

class TFormMsgBox : public dialogs::TDialog {
 public:
  TFormMsgBox(ui::TComponent* owner, const dialogs::DialogEnv& env);

  // ---- components, with their design values ----
  ui::TImage ImageDesc{this, "ImageDesc", this, {10, 14, 32, 32}};
  ui::TLabel LabelMsg{this, "LabelMsg", this, {65, 20, 206, 21}, "Server Proxy was changed!"};
  ui::TLabel LabelRedMsg{this,
                         "LabelRedMsg",
                         this,
                         {65, 45, 201, 46},
                         "YOU NEED TO DISABLE AND ENABLE DEVICE TO APPLY CHANGES!"};
  ui::TButton ButtonOK{this, "ButtonOK", this, {99, 98, 75, 26}, "OK"};
  ui::TTimer Timer1{this, "Timer1", 1000, false};

  // ---- state, set by the launcher before the box is shown ----
  int SecondsLeft = 10;
  int IconId = ui::IDI_Asterisk;
  // A second line still being found out (whether a profile holds): the box says it is
  // checking until the answer comes, then shows it; a warning turns the icon to the
  // exclamation mark and leaves at least 20 seconds to read it.
  dialogs::PendingLine Pending;

  void FormCreate();
  void Timer1Timer(ui::TObject* sender);
  void ButtonOKClick(ui::TObject* sender);

 protected:
  void FormShow() override;

 private:
  void ShowCountDown();
  // One question to Pending; the message follows its answer.
  void AskPending();
  // A message longer than the designed line makes the box taller instead of being cut.
  void FitMessage();
  std::string message_;  // the launcher's message, without the pending line
};
