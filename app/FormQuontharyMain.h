// The hidden owner form: the application's main form. It owns the indicator, keeps the
// program off the taskbar, and receives the global hot keys and the commands a second start
// hands over.
#pragma once
#include <memory>

#include "app/FormQuonthary.h"
#include "system/Platform.h"
#include "ui/Ui.h"

class TFormQuontharyMain : public ui::TForm {
 public:
  TFormQuontharyMain(ui::TComponent* owner, const sys::Platform& platform);
  ~TFormQuontharyMain() override;

  void FormDestroy();
  // WM_HOTKEY goes to the indicator's hot-key handler; the shell's "TaskbarCreated" (a
  // restarted Explorer) to its docking; a command a second start hands over to the
  // indicator's command handler.
  bool FormMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

  std::unique_ptr<TFormQuonthary> Indicator;
  // The number of the registered message "TaskbarCreated".
  unsigned TaskbarCreatedMessage = 0;
};

extern TFormQuontharyMain* FormQuontharyMain;
