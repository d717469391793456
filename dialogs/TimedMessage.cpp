// Reporting the outcome of a profile change: a beep, then the timed message box.
#include <memory>

#include "app/FormQuonthary.h"
#include "dialogs/FormMsgBox.h"

namespace {

// The box and the taskbar button go again however the modal run ends.
struct CloseMsgBox {
  std::unique_ptr<TFormMsgBox>& box;
  ~CloseMsgBox() {
    ui::Application().ShowWindow(ui::SW_Hide);
    box.reset();
  }
};

}  // namespace

void TFormQuonthary::ShowTimedMessage(const std::string& message, const std::string& redMessage,
                                      int seconds, int icon) {
  Sys.Audio.MessageBeep(0);
  FormMsgBox = std::make_unique<TFormMsgBox>(&ui::Application());
  CloseMsgBox closing{FormMsgBox};
  ui::Application().ShowWindow(ui::SW_Show);
  FormMsgBox->LabelMsg.SetCaption(message);
  FormMsgBox->LabelRedMsg.SetVisible(!redMessage.empty());
  FormMsgBox->LabelRedMsg.SetCaption(redMessage);
  FormMsgBox->SecondsLeft = seconds;
  FormMsgBox->IconId = icon;
  FormMsgBox->ShowModal();
}
