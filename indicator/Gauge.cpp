// The gauge: charge bar, state text, time on battery, arrows, tooltips and the label that
// carries a message.

#include "app/FormQuonthary.h"
#include "settings/IntegerText.h"

void TFormQuonthary::UpdateGauge(int p) {
  ImagePrGreen.SetWidth(static_cast<int>(p * ImagePrRed.Width() * 0.01));

  std::string state;
  if (p == 100)
    state = Msg("LabelFull");
  else if (p == 0)
    state = Msg("LabelEmpty2");
  else if (p <= 5)
    state = Msg("LabelEmpty");
  LabelState.SetVisible(Cfg.ShowInfoText);

  const bool onMains = PowerStatus->IsOnMains();
  if (!onMains) {
    if (!WasOnBattery) OnBatterySeconds = 0;
    OnBatterySeconds += 1;
    if (Cfg.ShowTimeOnBattery) {
      OnBatteryCountdown -= 1;
      if (OnBatteryCountdown < 1) OnBatteryCountdown = 10;
      if (OnBatteryCountdown > 3) {
        OnBatteryOverride.clear();
      } else {
        const int s = OnBatterySeconds;
        using settings::ZeroPadded;
        OnBatteryOverride = "b" + ZeroPadded(s / 3600, 2) + ":" + ZeroPadded(s % 3600 / 60, 2) +
                            ":" + ZeroPadded(s % 60, 2);
      }
    } else {
      // Switched off while it showed: the time on battery must not stay on screen.
      OnBatteryOverride.clear();
    }
  } else if (WasOnBattery) {
    // Plugged in while it showed. Plug tracking clears it too, but only when it is on.
    OnBatteryOverride.clear();
  }
  WasOnBattery = !onMains;
  if (!OnBatteryOverride.empty()) state = OnBatteryOverride;

  const bool discharging = PowerStatus->IsBatteryPresent() && !onMains;
  ui::TLabel& label = PickInfoLabel(false, discharging ? Cfg.WhenDischarging : Cfg.WhenCharging);
  // The time label gets its text from the rest of the tick (the time, or the no-battery
  // text): the state text in it would only flash and tell the window twice a second.
  if (&label == &LabelState) {
    const std::string before = LabelState.Caption();
    LabelState.SetCaption(state);
    // Painted at once, but only when it says something new.
    if (LabelState.Caption() != before) LabelState.Repaint();
  }

  // At small sizes the two labels overlap: the time shows only where the state is silent.
  if (LabelTimeToEnd.Top() + 2 < LabelState.Top() + LabelState.Height())
    LabelTimeToEnd.SetVisible(Cfg.ShowTimeInfo &&
                              (!LabelState.Visible() || LabelState.Caption().empty()));
  else
    LabelTimeToEnd.SetVisible(Cfg.ShowTimeInfo);
}

void TFormQuonthary::UpdateArrows() {
  ImageDischarging.SetVisible(PowerStatus->IsBatteryPresent() && !PowerStatus->IsOnMains());
  ImageCharging.SetVisible(PowerStatus->IsCharging());
  // The animation runs on the two places held here; only an arrow that can be seen (shown,
  // and not switched off above the window) is moved, so a tick with no arrow to show tells
  // the window nothing.
  if (ChargingArrowLeft < 0) {
    ChargingArrowLeft = ImageCharging.Left();
    DischargingArrowLeft = ImageDischarging.Left();
  }
  int& charging = ChargingArrowLeft;
  int& discharging = DischargingArrowLeft;
  if (ImageCharging.Visible()) {
    charging += 1;
    if (charging > 10) charging = 2;
    discharging = charging;
  } else {
    charging = 2;
  }
  if (ImageDischarging.Visible()) {
    discharging -= 1;
    if (discharging < 2) discharging = 10;
    charging = discharging;
  }
  if (ImageCharging.Visible() && Cfg.ShowChargArrow) ImageCharging.SetLeft(charging);
  if (ImageDischarging.Visible() && Cfg.ShowDischargArrow) ImageDischarging.SetLeft(discharging);
}

ui::TLabel& TFormQuonthary::PickInfoLabel(bool preferTime, ui::TColor colour) {
  ui::TLabel* label;
  if (preferTime)
    label = LabelTimeToEnd.Visible() ? &LabelTimeToEnd : &LabelState;
  else
    label = LabelState.Visible() ? &LabelState : &LabelTimeToEnd;
  label->SetFontColor(colour);
  return *label;
}

void TFormQuonthary::ShowALabel() {
  if (!LabelState.Visible() && !LabelTimeToEnd.Visible()) LabelTimeToEnd.Show();
}

void TFormQuonthary::SetHints(const std::string& text) {
  ui::Application().SetHint(text);
  SetHint(text);
  for (ui::TControl* part :
       {static_cast<ui::TControl*>(&ImagePrGreen), static_cast<ui::TControl*>(&ImagePrRed),
        static_cast<ui::TControl*>(&ImageBatt), static_cast<ui::TControl*>(&ImageCharging),
        static_cast<ui::TControl*>(&ImageDischarging), static_cast<ui::TControl*>(&LabelState)})
    part->SetHint(text);
}
