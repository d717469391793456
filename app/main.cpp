// Program entry: the application object, the hidden owner form (which makes the indicator)
// and the message loop.
#include <memory>

#include "app/CommandLineStart.h"
#include "app/FormQuontharyMain.h"
#include "system/Win32Platform.h"
#include "ui/win32/Win32Backend.h"

int main() {
  ui::win32::InstallWin32();
  ui::TApplication& app = ui::Application();
  int exitCode = 0;
  ui::Guarded([&] {
    // A command line may end the start here: the usage, the elevated verb, or a command
    // handed to the program that runs already.
    app::Command command;
    exitCode = app::kExitNotCarriedOut;  // should it fail
    if (auto code = app::BeforeStart(sys::Win32Platform(), command)) {
      exitCode = *code;
      return;
    }
    exitCode = 0;
    app.SetTitle("Quonthary - battery indicator and network profile switcher (Tessmark)");
    auto owner = std::make_unique<TFormQuontharyMain>(&app, sys::Win32Platform());
    app.SetMainForm(owner.get());
    // No window of the program shows on the taskbar: the application window stays hidden
    // as a tool window, and the owner form sits far off screen.
    app.ShowWindow(ui::SW_Hide);
    owner->SetVisible(false);
    app.SetShowMainForm(true);
    app.SetExStyle(app.ExStyle() | ui::WS_EX_ToolWindow);
    // Start-up is done (a first-run about dialog included): this start's own command, whose
    // windows run modally as that dialog does, before the message loop.
    if (command.What != app::Verb::None) owner->Indicator->CarryOutCommand(command, false);
    app.Run();
  });
  return exitCode;
}
