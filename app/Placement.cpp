// Where the indicator sits and how big it is: the size scale and the battery-shaped window
// region, docking in the taskbar, stay-on-top and transparency, showing and hiding in both
// modes, hiding while the battery is full, dragging, and keeping the window on the screen.
// The gauge is laid out in design pixels (96 DPI), which the form library shows at the
// monitor's DPI; what the system reports of the screen, in real pixels, is turned into
// design pixels at that DPI first.
#include <algorithm>
#include <optional>

#include "app/FormQuonthary.h"
#include "ui/Scaling.h"

namespace {

// The parts whose tooltips would get in the way while the window follows the mouse.
void SetDragHints(TFormQuonthary& f, bool on) {
  for (ui::TControl* part :
       {static_cast<ui::TControl*>(&f), static_cast<ui::TControl*>(&f.ImagePrGreen),
        static_cast<ui::TControl*>(&f.ImagePrRed), static_cast<ui::TControl*>(&f.LabelState),
        static_cast<ui::TControl*>(&f.LabelTimeToEnd)})
    part->SetShowHint(on);
}

// The screen's pixels where the gauge's window is (before it exists, the system's DPI).
ui::Scaling ScreenScaling(TFormQuonthary& f) {
  return {f.Sys.Screen.Dpi(f.HandleAllocated() ? f.Handle() : 0)};
}

}  // namespace

void TFormQuonthary::ApplyScale(float factor) {
  // A size far outside the slider's range (a hand-edited settings file) makes the gauge as
  // high as the screen at most: a taller window could not be placed on it, and would pass
  // for one parked above it.
  const int outline = std::max(ImageBatt.PictureHeight(), 1);
  const int screenHeight = ScreenScaling(*this).ToDesign(Sys.Screen.ScreenHeight());
  const double f =
      std::clamp(static_cast<double>(factor), 0.0, double(std::max(screenHeight, 1)) / outline);
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
  // No taskbar at all (a shell replacement, Wine's default desktop): there is nothing to dock
  // into or beside. The gauge keeps the place window mode gave it (the first placement or
  // the stored place, clamped), on top, so that it is seen at all.
  if (!TaskbarWindow) {
    NoTaskbar = true;
    SetFormStyle(ui::TFormStyle::StayOnTop);
    return;
  }
  // A taskbar without a notification area is not Explorer's: Wine's desktop taskbar is one,
  // and Wine never draws a window of this program inside a window of another. There the
  // indicator floats over the taskbar's right end, above it.
  if (!TrayNotifyWindow) {
    FloatsOverTaskbar = true;
    SetFormStyle(ui::TFormStyle::StayOnTop);
  } else {
    SetParentWindow(OwnerWindow);
    SetParentWindow(TaskbarWindow);
  }
  // Out of sight until the next tick docks it.
  SetLeft(10000);
}

void TFormQuonthary::DockToTray() {
  // Left of the notification area; without one, at the taskbar's right end; with no taskbar
  // at all the window stays where it is. The taskbar's real pixels are at its monitor's DPI.
  const ui::Scaling scale{Sys.Screen.Dpi(TaskbarWindow)};
  std::optional<sys::Rect> area = Sys.Screen.WindowRect(TrayNotifyWindow);
  int left;
  if (area) {
    left = scale.ToDesign(area->Left) - Width() - Cfg.PositionFromTray;
  } else {
    area = Sys.Screen.WindowRect(TaskbarWindow);
    if (!area) return;
    left = scale.ToDesign(area->Right) - Width() - Cfg.PositionFromTray;
  }
  // Inside the taskbar the screen x serves as the x in it (the taskbar starts at the screen's
  // left edge); floating over it, the top counts from the taskbar's top.
  const int inset = 2;
  SetBounds(left, FloatsOverTaskbar ? scale.ToDesign(area->Top) + inset : inset, Width(), Height());
  if (Cfg.AutoHeightOnTaskBar && ImageBatt.PictureHeight() > 0)
    ApplyScale(static_cast<float>((area->Height() / scale.Factor() - 2 * inset) /
                                  ImageBatt.PictureHeight()));
}

void TFormQuonthary::ApplyWindowOptions(bool stayOnTop) {
  // Floating over the taskbar, or without one, it must stay on top to be seen at all.
  SetFormStyle(stayOnTop || FloatsOverTaskbar || NoTaskbar ? ui::TFormStyle::StayOnTop
                                                           : ui::TFormStyle::Normal);
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
    SetBounds(5, ScreenScaling(*this).ToDesign(Sys.Screen.ScreenHeight()) - Height() - 33, Width(),
              Height());
}

void TFormQuonthary::ClampToScreen() {
  const ui::Scaling scale = ScreenScaling(*this);
  const int screenWidth = scale.ToDesign(Sys.Screen.ScreenWidth());
  const int screenHeight = scale.ToDesign(Sys.Screen.ScreenHeight());
  int left = std::max(Left(), 0), top = std::max(Top(), 0);
  if (left > screenWidth - Width()) left = screenWidth - Width();
  if (top > screenHeight - Height()) top = screenHeight - Height();
  SetBounds(left, top, Width(), Height());
  if (!TaskbarMode()) ApplyCurrentScale();
}

void TFormQuonthary::FollowMouse() {
  if (!MoveMode) return;
  const ui::Scaling scale = ScreenScaling(*this);
  const sys::Point cursor = Sys.Screen.CursorPos();
  SetBounds(scale.ToDesign(cursor.X) - Width() / 2, scale.ToDesign(cursor.Y) - Height() / 2,
            Width(), Height());
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
