// Where the indicator sits and how big it is: the size scale and the battery-shaped window
// region, docking in the taskbar, stay-on-top and transparency, showing and hiding in both
// modes, hiding while the battery is full, dragging, and keeping the window on the screen.
#include <algorithm>
#include <optional>

#include "app/FormQuonthary.h"

namespace {

// The parts whose tooltips would get in the way while the window follows the mouse.
void SetDragHints(TFormQuonthary& f, bool on) {
  for (ui::TControl* part :
       {static_cast<ui::TControl*>(&f), static_cast<ui::TControl*>(&f.ImagePrGreen),
        static_cast<ui::TControl*>(&f.ImagePrRed), static_cast<ui::TControl*>(&f.LabelState),
        static_cast<ui::TControl*>(&f.LabelTimeToEnd)})
    part->SetShowHint(on);
}

}  // namespace

void TFormQuonthary::ApplyScale(float factor) {
  // A size far outside the slider's range (a hand-edited settings file) makes the gauge as
  // high as the screen at most: a taller window could not be placed on it, and would pass
  // for one parked above it.
  const int outline = std::max(ImageBatt.PictureHeight(), 1);
  const double f = std::clamp(static_cast<double>(factor), 0.0,
                              double(std::max(Sys.Screen.ScreenHeight(), 1)) / outline);
  for (ui::TImage* image : {&ImageBatt, &ImagePrRed, &ImagePrGreen})
    image->SetHeight(static_cast<int>(image->PictureHeight() * f));
  const int barTop =
      static_cast<int>((ImageBatt.Height() - ImagePrRed.Height()) * 0.5 + ImageBatt.Top());
  ImagePrRed.SetTop(barTop);
  ImagePrGreen.SetTop(barTop);

  // On mains only, as the tick has it: docking with auto height scales after every tick, and
  // the plug would otherwise show on battery. Its top is measured against the window's
  // height before this call, so a new size settles on the next.
  ImageACPlug.SetVisible(Cfg.ShowACPlugIcon && PowerStatus && PowerStatus->IsOnMains());
  ImageACPlug.SetTop(Height() - ImageACPlug.Height() + 1);

  ArrowTop =
      static_cast<int>(ImageBatt.Height() * 0.5 - ImageCharging.Height() * 0.5 + ImageBatt.Top());
  // An arrow switched off by the user lives 100 pixels above the window.
  ImageCharging.SetTop(Cfg.ShowChargArrow ? ArrowTop : ArrowTop - 100);
  ImageDischarging.SetTop(Cfg.ShowDischargArrow ? ArrowTop : ArrowTop - 100);

  SetHeight(ImageBatt.Height());
  // Only the critical mark is ever seen: the low mark sits below any window up to 100 px.
  ImageStatusCri.SetTop(1);
  ImageStatusLow.SetTop(100);

  if (factor >= 0.3) {
    auto centred = [this](const ui::TLabel& label) {
      return static_cast<int>(Height() * 0.5 - label.Height() * 0.5);
    };
    LabelTimeToEnd.SetTop(LabelTimeToEnd.Height() < Height()
                              ? ImageBatt.Height() - LabelTimeToEnd.Height() - 1
                              : centred(LabelTimeToEnd));
    LabelState.SetTop(LabelState.Height() < Height() ? 1 : centred(LabelState));
  } else {
    // Too thin for text.
    LabelTimeToEnd.SetTop(-100);
    LabelState.SetTop(-100);
  }

  // A battery silhouette: the body with its corners cut, and the terminal on the right over
  // the middle half of the height.
  const int h = ImageBatt.Height(), w = Width(), q = h / 4;
  SetWindowRegion(
      {{0, q, w - 1, h - q}, {0, q + 1, w, h - q - 1}, {1, 0, w - 3, h}, {0, 1, w - 2, h - 1}});
}

void TFormQuonthary::EnterTaskbar() {
  // Where window mode put it (the first placement or the stored place, clamped): its place
  // whenever there is no taskbar.
  FreePlace = {Left(), Top()};
  DockInto(DockedTaskbar());
  // Out of sight until the next tick docks it.
  if (!NoTaskbar) SetLeft(10000);
}

void TFormQuonthary::DockInto(const TaskbarWindows& taskbar) {
  const bool wasFree = NoTaskbar;
  TaskbarWindow = taskbar.Bar;
  TrayNotifyWindow = taskbar.Tray;
  ContentBridgeWindow = taskbar.Bridge;
  // No taskbar at all (a shell replacement, Wine's desktop, a shell restarting): nothing to
  // dock into or beside. A taskbar without a notification area or XAML face is not
  // Explorer's (Wine's): it would not draw a window of this program inside it, so the
  // indicator floats over its right end. Either way on top, to be seen at all.
  NoTaskbar = !taskbar.Bar;
  FloatsOverTaskbar = taskbar.Bar && !taskbar.TakesChildren();
  // The window went with a taskbar that ended (Explorer restarting destroys every window
  // inside it): made afresh from the model as the top-level window it was at start, then put
  // where it belongs as at start. The mixer's notices go to the new window.
  if (WindowLost()) {
    SetParentWindow(0);
    RecreateWindow();
    OpenMixers();
  }
  ApplyFormStyle(Cfg.StayOnTop);
  if (taskbar.TakesChildren()) {
    SetParentWindow(OwnerWindow);
    SetParentWindow(TaskbarWindow);
  } else {
    SetParentWindow(0);
  }
  if (NoTaskbar && !wasFree) {
    // The stored scale, not the taskbar's height.
    ApplyCurrentScale();
    SetBounds(FreePlace.X, FreePlace.Y, Width(), Height());
    ClampToScreen();
  }
}

void TFormQuonthary::DockToTray() {
  // The taskbar is looked up afresh: a restarted shell makes a new one, and one may come or
  // go, be hidden or shown.
  const TaskbarWindows taskbar = FindTaskbar(Sys.Screen);
  if (taskbar != DockedTaskbar()) DockInto(taskbar);
  const std::optional<sys::Rect> bar = Sys.Screen.WindowRect(TaskbarWindow);
  if (NoTaskbar || !bar) return;
  const bool inside = !FloatsOverTaskbar;
  const std::optional<sys::Rect> tray = Sys.Screen.WindowRect(TrayNotifyWindow);
  const DockPlace place =
      DockedPlace(*bar, tray, ContentBridgeWindow != 0, inside, Width(), Cfg.PositionFromTray);
  SetBounds(place.Left, place.Top, Width(), Height());
  if (Cfg.AutoHeightOnTaskBar && ImageBatt.PictureHeight() > 0)
    ApplyScale(static_cast<float>(double(place.Room) / ImageBatt.PictureHeight()));
  // Explorer re-orders the taskbar's children (Windows 11 puts its XAML face over them all):
  // the gauge goes back on top at every dock. Already there, nothing happens.
  if (inside) BringToFront();
}

void TFormQuonthary::TaskbarCreated() {
  if (TaskbarMode()) DockToTray();
}

void TFormQuonthary::ApplyFormStyle(bool stayOnTop) {
  // Floating over the taskbar, or without one, it must stay on top to be seen at all.
  SetFormStyle(stayOnTop || FloatsOverTaskbar || NoTaskbar ? ui::TFormStyle::StayOnTop
                                                           : ui::TFormStyle::Normal);
}

void TFormQuonthary::ApplyWindowOptions(bool stayOnTop) {
  ApplyFormStyle(stayOnTop);
  RegisterHotKeys();
  ApplyCurrentScale();
  ApplyAlpha(Cfg.Alpha);
}

void TFormQuonthary::ApplyAlpha(int alpha) {
  // The system takes one byte: a hand-edited 256 would otherwise wrap to an invisible window.
  // A refusal leaves the window opaque, and nobody needs to hear of it.
  SetLayeredAlpha(static_cast<std::uint8_t>(std::clamp(alpha, 0, 255)));
}

bool TFormQuonthary::IsShown() { return TaskbarMode() ? Visible() : Top() > -100; }

void TFormQuonthary::HideIndicator() {
  if (!IsShown()) return;
  // A free window is parked far above the screen and stays visible to the window system.
  if (TaskbarMode())
    Hide();
  else
    SetTop(Top() - kParkOffset);
}

void TFormQuonthary::ShowIndicator() {
  if (IsShown()) return;
  if (TaskbarMode()) {
    Show();
  } else {
    SetTop(Top() + kParkOffset);
    RaiseWithoutFocus();
  }
}

void TFormQuonthary::RaiseWithoutFocus() {
  const sys::WindowHandle previous = Sys.Screen.ForegroundWindow();
  Sys.Screen.SetForegroundWindow(Handle());
  Sys.Screen.SetForegroundWindow(previous);
}

void TFormQuonthary::UpdateHideWhenFull() {
  if (MoveMode) return;
  if (PowerStatus->Percent() < 100 || !PowerStatus->IsOnMains()) {
    FullBlinkCount = 0;
    ShowIndicator();
    return;
  }
  if (!Cfg.HideWindowWhenFull) return;
  // Full on mains: five ticks of blinking, then hidden.
  if (FullBlinkCount >= 5) {
    HideIndicator();
    return;
  }
  if (IsShown())
    HideIndicator();
  else
    ShowIndicator();
  FullBlinkCount += 1;
}

void TFormQuonthary::FirstPlacement() {
  if (Left() == -999 && Top() == -999)
    SetBounds(5, Sys.Screen.ScreenHeight() - Height() - 33, Width(), Height());
}

void TFormQuonthary::ClampToScreen() {
  const int screenWidth = Sys.Screen.ScreenWidth(), screenHeight = Sys.Screen.ScreenHeight();
  int left = std::max(Left(), 0), top = std::max(Top(), 0);
  if (left > screenWidth - Width()) left = screenWidth - Width();
  if (top > screenHeight - Height()) top = screenHeight - Height();
  SetBounds(left, top, Width(), Height());
  if (!TaskbarMode()) ApplyCurrentScale();
}

void TFormQuonthary::FollowMouse() {
  if (!MoveMode) return;
  const sys::Point cursor = Sys.Screen.CursorPos();
  SetBounds(cursor.X - Width() / 2, cursor.Y - Height() / 2, Width(), Height());
}

void TFormQuonthary::mnuMoveClick(ui::TObject*) {
  MoveMode = true;
  SetDragHints(*this, false);
  ui::Application().SetScreenCursor(ui::crSizeAll);
  FollowMouse();
}

void TFormQuonthary::FormMouseDown(ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
  // A click on the always-on-top gauge brings the open dialogs back over it.
  for (ui::TForm* dialog : Dialogs.InRaiseOrder()) Sys.Screen.SetForegroundWindow(dialog->Handle());
  // The click that ends a drag puts the window down; the new place is saved at once.
  const bool dragged = MoveMode;
  MoveMode = false;
  SetDragHints(*this, true);
  ui::Application().SetScreenCursor(ui::crDefault);
  if (dragged) SaveSettings();
}

void TFormQuonthary::FormMouseMove(ui::TObject*, ui::TShiftState, int, int) { FollowMouse(); }
