#include "app/FormQuontharyMain.h"

#include "settings/SettingsStore.h"

TFormQuontharyMain* FormQuontharyMain = nullptr;

namespace {
constexpr unsigned WM_HotKey = 0x0312;
}

TFormQuontharyMain::TFormQuontharyMain(ui::TComponent* owner, const sys::Platform& platform)
    : ui::TForm(owner, "FormQuontharyMain") {
  FormQuontharyMain = this;
  SetBorderStyle(ui::TBorderStyle::None);
  SetBounds(-10000, 0, 1, 1);
  SetExStyle(ExStyle() | ui::WS_EX_ToolWindow);
  Hide();
  OnMessage = [this](unsigned m, std::uintptr_t w, std::intptr_t l) {
    return FormMessage(m, w, l);
  };
  // Broadcast to the top-level windows, this hidden one among them, when Explorer starts.
  TaskbarCreatedMessage = platform.Screen.RegisterShellMessage("TaskbarCreated");

  // The indicator is created with this form's window as its owner.
  Indicator = std::make_unique<TFormQuonthary>(*this, platform);
  Indicator->OwnerWindow = Handle();

  // Read the display mode again now that the indicator exists: it fixes the mode for the run.
  TFormQuonthary& ind = *Indicator;
  ind.UseRegistry = ind.Store.ReadStorageSwitch();
  ind.Cfg.ShowInTaskBar =
      settings::IntOrDefault(
          ind.Store.ReadSettingString(sys::RootKey::CurrentUser, "\\Software\\Quonthary",
                                      "ShowInTaskBar", ind.UseRegistry),
          1) != 0;
  ind.StartedInTaskbarMode = ind.Cfg.ShowInTaskBar;
  if (ind.Cfg.ShowInTaskBar) {
    ind.mnuMove.SetEnabled(false);  // disabled "Move window" means taskbar mode everywhere
    ind.EnterTaskbar();
    ind.ApplyCurrentScale();  // the next tick docks it beside the notification area
  }
}

TFormQuontharyMain::~TFormQuontharyMain() {
  FormDestroy();
  if (FormQuontharyMain == this) FormQuontharyMain = nullptr;
}

void TFormQuontharyMain::FormDestroy() {
  try {
    Indicator.reset();
  } catch (...) {
    // Shutting down: nothing left to tell the user.
  }
}

bool TFormQuontharyMain::FormMessage(unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
  if (!Indicator) return false;
  if (message == WM_HotKey) {
    Indicator->HandleHotKey(static_cast<int>(wParam));
    return true;
  }
  if (message == TaskbarCreatedMessage && message != 0) {
    Indicator->TaskbarCreated();
    return true;
  }
  if (auto command = Indicator->Sys.Instance.Received(message, wParam, lParam)) {
    Indicator->CarryOutCommandText(*command);
    return true;
  }
  return false;
}
