// The question asked before any profile is put in force.
#include <memory>

#include "app/FormQuonthary.h"
#include "profiles/FormMessageChanger.h"

namespace {

// The window and the taskbar button go again however the modal run ends.
struct CloseConfirmation {
  std::unique_ptr<TFormMessageChanger>& window;
  ~CloseConfirmation() {
    ui::Application().ShowWindow(ui::SW_Hide);
    window.reset();
  }
};

}  // namespace

bool TFormQuonthary::ConfirmProfileChange(const std::function<void(TFormMessageChanger&)>& fill) {
  FormMessageChanger = std::make_unique<TFormMessageChanger>(&ui::Application());
  CloseConfirmation closing{FormMessageChanger};
  ui::Application().ShowWindow(ui::SW_Show);
  Sys.Screen.SetForegroundWindow(Handle());
  fill(*FormMessageChanger);
  return FormMessageChanger->ShowModal() == ui::mrYes;
}
