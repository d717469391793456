// The once-a-second battery tick: power status, gauge, marks, texts, hiding when full,
// plug tracking with its messages, sounds and log lines, and docking in taskbar mode.
#include <cstdint>
#include <exception>

#include "app/FormQuonthary.h"

std::string FormatDuration(int seconds) {
  int h = seconds / 3600;
  int m = (seconds - 3600 * h) / 60;
  int s = seconds - 3600 * h - 60 * m;
  auto two = [](int v) {
    std::string t = std::to_string(v);
    return t.size() == 1 ? "0" + t : t;
  };
  return std::to_string(h) + ":" + two(m) + ":" + two(s);
}

void TFormQuonthary::TimerTimer(ui::TObject*) {
  TickCounter += 1;
  // Ticks after a transient message leave it on screen.
  if (DisplaySkipTicks > 0) {
    DisplaySkipTicks -= 1;
    return;
  }
  try {
    PowerStatus->Refresh();
    const bool discharging = PowerStatus->IsBatteryPresent() && !PowerStatus->IsOnMains();
    const ui::TColor colour = discharging ? Cfg.WhenDischarging : Cfg.WhenCharging;
    if (LabelState.Font().Color != colour) LabelState.SetFontColor(colour);
    if (LabelTimeToEnd.Font().Color != colour) LabelTimeToEnd.SetFontColor(colour);
    if (MoveMode) FollowMouse();

    if (PowerStatus->IsBatteryPresent()) {
      const int p = PowerStatus->Percent();
      UpdateGauge(p);
      ImageACPlug.SetVisible(PowerStatus->IsOnMains() && Cfg.ShowACPlugIcon);
      const int level = PowerStatus->Level();
      ImageStatusLow.SetVisible(level == 2);
      ImageStatusCri.SetVisible(level == 3);
      UpdateArrows();
      UpdateTimeText();
      UpdateHideWhenFull();
      TrackPowerSource(!PowerStatus->IsOnMains(), p);
      // A plug message shown in this tick keeps its two seconds; an alert follows it.
      if (DisplaySkipTicks == 0) CheckChargeAlerts(p);
      LogBatteryHealth(!PowerStatus->IsOnMains());
    } else {
      UpdateGauge(0);
      ImageStatusLow.Hide();
      ImageStatusCri.Hide();
      ImageACPlug.SetVisible(PowerStatus->IsOnMains() && Cfg.ShowACPlugIcon);
      ImageDischarging.Hide();
      ImageCharging.Hide();
      FullBlinkCount = 0;
      ShowIndicator();
      LabelState.SetCaption(Msg("LabelNoBatt"));
      LabelTimeToEnd.SetCaption(Msg("LabelNoBatt"));
      SetHints(Msg("LabelNoBattery"));
    }
  } catch (const std::exception&) {
    // A failing tick (a log file that cannot be written...) costs one beep; the next tick
    // starts afresh.
    Sys.Audio.MessageBeep(0);
  }
  if (!mnuMove.Enabled()) DockToTray();
}

void TFormQuonthary::UpdateTimeText() {
  const int percent = PowerStatus->Percent();
  std::string text;
  if (Cfg.Percentage) {
    text = std::to_string(percent) + "%";
  } else if (!Cfg.UseLifeTimeDefault && Cfg.UserDefBattFullTime > 0) {
    int seconds;
    if (PowerStatus->FullLifeTime() < 1) {
      seconds = static_cast<int>(percent * Cfg.UserDefBattFullTime * 0.01);
    } else {
      // Formed in 64 bits: a long user time times a long system estimate would wrap in 32.
      seconds = static_cast<int>(std::int64_t(PowerStatus->LifeTime()) * Cfg.UserDefBattFullTime /
                                 PowerStatus->FullLifeTime());
    }
    text = FormatDuration(seconds);
  } else if (PowerStatus->LifeTime() < 0) {
    text = std::to_string(percent) + "%";
  } else {
    text = FormatDuration(PowerStatus->LifeTime());
  }
  if (!OnBatteryOverride.empty()) text = OnBatteryOverride;
  LabelTimeToEnd.SetCaption(text);
  SetHints(text);
}

void TFormQuonthary::TrackPowerSource(bool onBattery, int percent) {
  if (!Cfg.LogWorkTime) return;
  // The log line is written last, after the state has moved on: a line that cannot be
  // written costs one beep (the tick's error path) and does not replay the plug message,
  // sound and new file on every following tick.
  bool writeLine = false;
  int lineSeconds = 0;
  if (onBattery && !LastOnBattery) {
    ShowPowerMessage(Msg("LabelZasilanieBateria"), Cfg.WhenDischarging);
    PlayPlugOutAlert();
    TickCounter = 0;
    LogFileName = NewLogFileName();
    writeLine = true;
    lineSeconds = TickCounter;
  } else if (!onBattery && LastOnBattery && LogFileName.size() > 5) {
    OnBatteryOverride.clear();
    ShowPowerMessage(Msg("LabelZasilanieSiec"), Cfg.WhenCharging);
    PlayPlugInAlert();
    writeLine = true;  // the closing line of that file
    lineSeconds = TickCounter;
    TickCounter = 0;
  } else if (onBattery && percent != LastPercent) {
    writeLine = true;
    lineSeconds = TickCounter;
  }
  LastOnBattery = onBattery;
  LastPercent = percent;
  if (writeLine) AppendLogLine(LogFileName, lineSeconds, percent);
}

void TFormQuonthary::ShowPowerMessage(const std::string& text, ui::TColor colour) {
  ShowALabel();
  ui::TLabel& label = PickInfoLabel(false, colour);
  label.SetCaption(text);
  label.Repaint();
  DisplaySkipTicks = 1;
}

void TFormQuonthary::CheckChargeAlerts(int percent) {
  const indicator::ChargeAlert alert = ChargeAlertState.Update(
      {Cfg.AlertLowCharge, Cfg.AlertLowChargeAt, Cfg.AlertUnplug, Cfg.AlertUnplugAt},
      PowerStatus->IsOnMains(), PowerStatus->IsCharging(), percent);
  if (alert == indicator::ChargeAlert::LowCharge) {
    ShowPowerMessage(Msg("LabelAlertLow"), Cfg.WhenDischarging);
    PlayLowChargeAlert();
  } else if (alert == indicator::ChargeAlert::Unplug) {
    ShowPowerMessage(Msg("LabelAlertUnplug"), Cfg.WhenCharging);
    PlayUnplugAlert();
  }
}
