#include "dialogs/FormBatteryHistory.h"

#include <cmath>
#include <utility>

#include "dialogs/HealthChart.h"
#include "dialogs/HistoryChart.h"
#include "i18n/FillIn.h"
#include "i18n/FormLanguage.h"
#include "settings/IntegerText.h"
#include "system/Locale.h"

namespace {

constexpr int kFirstRow = 262;
constexpr int kRowHeight = 18;

std::string Hours(int seconds, bool withSeconds) {
  using settings::ZeroPadded;
  if (withSeconds)
    return std::to_string(seconds / 3600) + ":" + ZeroPadded(seconds / 60 % 60, 2) + ":" +
           ZeroPadded(seconds % 60, 2);
  return std::to_string((seconds + 30) / 3600) + ":" + ZeroPadded((seconds + 30) / 60 % 60, 2);
}

}  // namespace

std::string PeriodSummary(const indicator::DischargePeriod& period, const TFormLanguage& texts) {
  using settings::ZeroPadded;
  const sys::LocalTime& t = period.Start;
  const std::string start = ZeroPadded(t.Year, 4) + "-" + ZeroPadded(t.Month, 2) + "-" +
                            ZeroPadded(t.Day, 2) + " " + ZeroPadded(t.Hour, 2) + ":" +
                            ZeroPadded(t.Minute, 2);
  const std::string length = Hours(period.LengthSeconds(), true);
  const std::string used = std::to_string(period.ChargeUsed());
  const std::optional<double> rate = period.RatePerHour();
  if (!rate) return FillIn(texts.Message("LabelHistoryPeriodShort"), {start, length, used});
  // One decimal, in tenths: the rate is never negative.
  const long long tenths = std::llround(*rate * 10);
  const std::string rateText =
      std::to_string(tenths / 10) + sys::DecimalSeparator() + std::to_string(tenths % 10);
  return FillIn(texts.Message("LabelHistoryPeriod"),
                {start, length, used, rateText, Hours(*period.RuntimeFromFullSeconds(), false)});
}

std::string HealthSummary(const std::optional<indicator::HealthReading>& reading,
                          const TFormLanguage& texts) {
  if (!reading) return texts.Message("LabelHealthNone");
  using settings::ZeroPadded;
  const std::string day = ZeroPadded(reading->Year, 4) + "-" + ZeroPadded(reading->Month, 2) + "-" +
                          ZeroPadded(reading->Day, 2);
  const std::string designed = std::to_string(reading->DesignedMWh);
  const std::string full = std::to_string(reading->FullMWh);
  const std::string wear = std::to_string(reading->WearPercent());
  if (reading->Cycles == 0)
    return FillIn(texts.Message("LabelHealthNoCycles"), {day, designed, full, wear});
  return FillIn(texts.Message("LabelHealth"),
                {day, designed, full, wear, std::to_string(reading->Cycles)});
}

TFormBatteryHistory::TFormBatteryHistory(ui::TComponent* owner, const dialogs::DialogEnv& env,
                                         std::string logFolder, bool logging,
                                         std::optional<indicator::HealthReading> healthNow)
    : dialogs::TDialog(owner, "FormBatteryHistory", env),
      reader_(logFolder, kPeriods),
      logging_(logging),
      logFolder_(std::move(logFolder)),
      healthNow_(healthNow) {
  SetCaption("Battery history");
  SetBorderIcons(ui::biSystemMenu | ui::biMaximize);
  SetPosition(ui::TPosition::ScreenCenter);
  SetClientSize(560, 516);
  SetResizable();

  for (std::size_t i = 0; i < kPeriods; ++i) {
    const int top = kFirstRow + int(i) * kRowHeight;
    auto& shape = Create<ui::TShape>("ShapePeriod" + std::to_string(i), this,
                                     ui::Bounds{10, top + 1, 14, 11});
    auto& label =
        Create<ui::TLabel>("LabelPeriod" + std::to_string(i), this, ui::Bounds{32, top, 518, 13});
    label.SetAutoSize(false);
    shape.SetAnchors(ui::akLeft | ui::akBottom);
    label.SetAnchors(ui::akLeft | ui::akRight | ui::akBottom);
    shape.Hide();
    label.Hide();
    ShapePeriod[i] = &shape;
    LabelPeriod[i] = &label;
  }
  LabelTime.SetAutoSize(false);
  LabelTime.SetAlignment(ui::TAlignment::RightJustify);
  LabelNote.SetAutoSize(false);
  LabelHealth.SetAutoSize(false);
  ui::TFont grey = LabelNote.Font();
  grey.Color = ui::clGray;
  for (ui::TLabel* axis : {&LabelCharge, &LabelTime}) axis->SetFont(grey);

  // The chart takes what the window gains; the rows, the note and the button keep to the
  // bottom.
  PaintBoxChart.SetAnchors(ui::akLeft | ui::akTop | ui::akRight | ui::akBottom);
  LabelTime.SetAnchors(ui::akRight | ui::akBottom);
  LabelNote.SetAnchors(ui::akLeft | ui::akRight | ui::akBottom);
  LabelHealth.SetAnchors(ui::akLeft | ui::akRight | ui::akBottom);
  PaintBoxHealth.SetAnchors(ui::akLeft | ui::akRight | ui::akBottom);
  ButtonClose.SetAnchors(ui::akRight | ui::akBottom);
  ButtonClose.SetDefault(true);
  ButtonClose.SetCancel(true);

  PaintBoxChart.OnPaint = [this](ui::TObject* s, ui::TCanvas& c) { PaintBoxChartPaint(s, c); };
  PaintBoxHealth.OnPaint = [this](ui::TObject* s, ui::TCanvas& c) { PaintBoxHealthPaint(s, c); };
  TimerRefresh.SetOnTimer([this](ui::TObject* s) { TimerRefreshTimer(s); });
  ButtonClose.OnClick = [this](ui::TObject* s) { ButtonCloseClick(s); };
}

void TFormBatteryHistory::FormShow() {
  // The window's caption is a message, so that it is translated too.
  SetCaption(Msg("LabelHistoryCaption"));
  reader_.Refresh();
  ShowPeriods();
  ShowHealth();
  TimerRefresh.SetEnabled(true);
}

void TFormBatteryHistory::ShowHealth() {
  health_ = indicator::ReadHealthFile(logFolder_);
  std::optional<indicator::HealthReading> newest = healthNow_;
  if (!newest && !health_.empty()) newest = health_.back();
  LabelHealth.SetCaption(HealthSummary(newest, Env().Language));
  if (!health_.empty() || !PaintBoxHealth.Visible()) return;
  // No chart: the charge chart grows into its room, and what lies between moves down.
  const int room =
      PaintBoxHealth.Top() + PaintBoxHealth.Height() - LabelHealth.Top() - LabelHealth.Height();
  PaintBoxHealth.Hide();
  PaintBoxChart.SetHeight(PaintBoxChart.Height() + room);
  std::vector<ui::TControl*> below{&LabelTime, &LabelHealth};
  below.insert(below.end(), ShapePeriod.begin(), ShapePeriod.end());
  below.insert(below.end(), LabelPeriod.begin(), LabelPeriod.end());
  for (ui::TControl* c : below) c->SetTop(c->Top() + room);
}

void TFormBatteryHistory::ShowPeriods() {
  const indicator::DischargeHistory& h = History();
  const std::size_t count = h.Periods.size();
  for (std::size_t i = 0; i < kPeriods; ++i) {
    ui::TShape& shape = *ShapePeriod[i];
    ui::TLabel& label = *LabelPeriod[i];
    shape.SetVisible(i < count);
    label.SetVisible(i < count);
    if (i >= count) continue;
    shape.SetBrushColor(dialogs::PeriodColor(i, count));
    shape.SetPenColor(dialogs::PeriodColor(i, count));
    label.SetCaption(PeriodSummary(h.Periods[i], Env().Language));
    ui::TFont font = label.Font();
    font.Bold = i + 1 == count;  // the newest, as its line
    label.SetFont(font);
  }
  std::string note;
  if (count == 0) note = Msg(logging_ ? "LabelHistoryEmpty" : "LabelHistoryLogOff");
  if (h.Skipped > 0)
    note +=
        (note.empty() ? "" : " ") + FillIn(Msg("LabelHistorySkipped"), {std::to_string(h.Skipped)});
  LabelNote.SetCaption(note);
}

void TFormBatteryHistory::PaintBoxChartPaint(ui::TObject*, ui::TCanvas& canvas) {
  dialogs::DrawHistoryChart(canvas, PaintBoxChart.Width(), PaintBoxChart.Height(), History(),
                            PaintBoxChart.Font());
}

void TFormBatteryHistory::PaintBoxHealthPaint(ui::TObject*, ui::TCanvas& canvas) {
  dialogs::DrawHealthChart(canvas, PaintBoxHealth.Width(), PaintBoxHealth.Height(), health_,
                           PaintBoxHealth.Font());
}

void TFormBatteryHistory::TimerRefreshTimer(ui::TObject*) {
  if (!reader_.Refresh()) return;
  ShowPeriods();
  PaintBoxChart.Repaint();
}

void TFormBatteryHistory::ButtonCloseClick(ui::TObject*) { Close(); }
