// The battery history: the charge over time of the last battery periods that the discharge
// log holds, one line each, the newest highlighted, and below the chart what each period
// says about the battery; below them the battery's health and, from health.txt, its
// full-charge capacity over the months. It follows the log while it is open and grows with
// its window.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "indicator/BatteryHealth.h"
#include "indicator/DischargeHistory.h"
#include "ui/Ui.h"

class TFormBatteryHistory : public dialogs::TDialog {
 public:
  // The periods shown at most.
  static constexpr std::size_t kPeriods = 5;

  // logFolder: "discharging_log\" in the program's folder, with its trailing separator;
  // logging: whether the program writes the log now (said when there is nothing to show);
  // healthNow: what the battery devices report now, where they report anything.
  TFormBatteryHistory(ui::TComponent* owner, const dialogs::DialogEnv& env, std::string logFolder,
                      bool logging,
                      std::optional<indicator::HealthReading> healthNow = std::nullopt);

  // ---- components, with their design values ----
  ui::TLabel LabelCharge{this, "LabelCharge", this, {10, 8, 200, 13}, "Charge [%]"};
  ui::TPaintBox PaintBoxChart{this, "PaintBoxChart", this, {10, 26, 540, 212}};
  ui::TLabel LabelTime{this, "LabelTime", this, {350, 242, 200, 13}, "Time on battery [h:mm]"};
  // ShapePeriod0 ... ShapePeriod4 and LabelPeriod0 ... LabelPeriod4, made at creation: row i
  // is the i-th period shown, the oldest first, each with its line's colour.
  std::array<ui::TShape*, kPeriods> ShapePeriod{};
  std::array<ui::TLabel*, kPeriods> LabelPeriod{};
  // The newest health reading, and the full-charge capacity over the months; without a
  // health.txt the chart is absent and the charge chart takes its room.
  ui::TLabel LabelHealth{this, "LabelHealth", this, {10, 358, 540, 13}, ""};
  ui::TPaintBox PaintBoxHealth{this, "PaintBoxHealth", this, {10, 376, 540, 100}};
  ui::TLabel LabelNote{this, "LabelNote", this, {10, 489, 450, 13}, ""};
  ui::TButton ButtonClose{this, "ButtonClose", this, {475, 484, 75, 25}, "Close"};
  // How often the log is looked at while the window is open.
  ui::TTimer TimerRefresh{this, "TimerRefresh", 2000, false};

  const indicator::DischargeHistory& History() const { return reader_.History(); }
  const std::vector<indicator::HealthReading>& HealthHistory() const { return health_; }

  // ---- handlers ----
  void PaintBoxChartPaint(ui::TObject* sender, ui::TCanvas& canvas);
  void PaintBoxHealthPaint(ui::TObject* sender, ui::TCanvas& canvas);
  void TimerRefreshTimer(ui::TObject* sender);
  void ButtonCloseClick(ui::TObject* sender);

 protected:
  void FormShow() override;

 private:
  // The rows and the note follow the history.
  void ShowPeriods();
  void ShowHealth();
  indicator::DischargeLogReader reader_;
  bool logging_;
  std::string logFolder_;
  std::optional<indicator::HealthReading> healthNow_;
  std::vector<indicator::HealthReading> health_;
};

// What one period says, in the words of the language holder's pattern: its start, its length,
// the charge used, the rate per hour and the runtime from full at that rate.
std::string PeriodSummary(const indicator::DischargePeriod& period, const TFormLanguage& texts);

// The health line: the day of the reading, its capacities, the wear and the cycles where
// counted; "not available" without a reading.
std::string HealthSummary(const std::optional<indicator::HealthReading>& reading,
                          const TFormLanguage& texts);
