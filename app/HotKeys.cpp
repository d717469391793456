// The global hot keys with the Windows key: registered on the hidden owner form, whose
// window receives them, and carried out here.
#include <string>

#include "app/FormQuonthary.h"

namespace {

struct HotKey {
  int Id;
  bool settings::Settings::*Setting;
  unsigned Modifiers;
  unsigned Key;
  const char* Text;  // as listed when another program holds the key
};

using S = settings::Settings;
constexpr unsigned kWin = sys::ModWin;

// In the order they are registered. The one volume setting stands for both volume keys.
const HotKey kHotKeys[] = {
    {44200, &S::HotKeyWindowToFront, kWin, 0x7B, "  Win+F12\n"},
    {44201, &S::HotKeyMonOff, kWin, 0x1B, "  Win+Escape\n"},
    {44208, &S::HotKeyMonOn, kWin | sys::ModControl, 0x1B, "  Win+Ctrl+Escape\n"},
    {44202, &S::HotKeyVolume, kWin, 0x21, "  Win+PageUp\n"},
    {44203, &S::HotKeyVolume, kWin, 0x22, "  Win+PageDown\n"},
    {44204, &S::HotKeyMute, kWin, 0x23, "  Win+End\n"},
    {44205, &S::HotKeyIPChanger, kWin | sys::ModShift, 0x31, "  Win+Shift+1\n"},
    {44206, &S::HotKeyProxyChanger, kWin | sys::ModShift, 0x32, "  Win+Shift+2\n"},
    {44207, &S::HotKeyMacChanger, kWin | sys::ModShift, 0x33, "  Win+Shift+3\n"},
};

}  // namespace

void TFormQuonthary::RegisterHotKeys() {
  // The owner form's window: it exists from the start, before it hands its handle over.
  const sys::WindowHandle owner = ownerForm_.Handle();
  for (const HotKey& key : kHotKeys) Sys.Keys.Unregister(owner, key.Id);
  std::string failed;
  for (const HotKey& key : kHotKeys) {
    if (Cfg.*key.Setting && !Sys.Keys.Register(owner, key.Id, key.Modifiers, key.Key))
      failed += key.Text;
  }
  if (failed.empty()) return;
  // The keys another program holds stay unregistered; everything else runs on.
  Sys.Screen.SetForegroundWindow(owner);
  ui::Application().MessageBox(Msg("LabelHotKeys") + "\n" + failed + Msg("LabelUsingByApplication"),
                               "Quonthary", ui::MB_IconExclamation);
}

void TFormQuonthary::HandleHotKey(int id) {
  switch (id) {
    case 44200:
      GaugeToFront();
      break;
    case 44201:
      MonitorOff();
      break;
    case 44208:
      MonitorOn();
      break;
    case 44202:
    case 44203:
    case 44204:
      if (Cfg.ShowWhenVolChanging) ShowIndicator();
      if (id == 44202)
        VolumeUp();
      else if (id == 44203)
        VolumeDown();
      else
        ToggleMute();
      break;
    case 44205:
      mnuIPChangerDialogClick(&mnuIPChangerDialog);
      break;
    case 44206:
      mnuProxyChangerDialogClick(&mnuProxyChangerDialog);
      break;
    case 44207:
      mnuMacChangerDialogClick(&mnuMacChangerDialog);
      break;
    default:
      break;
  }
}

void TFormQuonthary::GaugeToFront() {
  if (!TaskbarMode()) Sys.Screen.SetForegroundWindow(Handle());
  // A full battery's indicator shows and blinks once more.
  FullBlinkCount = 0;
}

namespace {

constexpr int kMonitorOff = 2;
constexpr int kMonitorOn = -1;

}  // namespace

void TFormQuonthary::MonitorOff() {
  ShowIndicator();
  ShowALabel();
  ui::TLabel& label = PickInfoLabel(false, Cfg.WhenChatging);
  label.SetCaption(Msg("LabelMonOff"));
  label.Repaint();
  // Long enough to read the notice before the screen goes dark.
  Sys.Time.Sleep(1000);
  Sys.Monitor.SendMonitorPower(ui::Application().Handle(), kMonitorOff);
}

void TFormQuonthary::MonitorOn() {
  ShowIndicator();
  ShowALabel();
  ui::TLabel& label = PickInfoLabel(false, Cfg.WhenChatging);
  label.SetCaption(Msg("LabelMonOn"));
  label.Repaint();
  Sys.Monitor.SendMonitorPower(ui::Application().Handle(), kMonitorOn);
  // Windows 8 and later ignore the command; input wakes the display on every version.
  Sys.Monitor.MoveMouseInPlace();
}
