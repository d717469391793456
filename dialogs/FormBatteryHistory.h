// The battery history: the charge over time of the last battery periods that the discharge
// log holds, one line each, the newest highlighted, and below the chart what each period
// says about the battery. It follows the log while it is open and grows with its window.
#pragma once
#include <array>
#include <string>

#include "dialogs/Dialog.h"
#include "indicator/DischargeHistory.h"
#include "ui/Ui.h"

class TFormBatteryHistory : public dialogs::TDialog {
 public:
  // The periods shown at most.
  static constexpr std::size_t kPeriods = 5;

  // logFolder: "discharging_log\" in the program's folder, with its trailing separator;
  // logging: whether the program writes the log now (said when there is nothing to show).
  TFormBatteryHistory(ui::TComponent* owner, const dialogs::DialogEnv& env, std::string logFolder,
                      bool logging);

  // ---- components, with their design values ----
  ui::TLabel LabelCharge{this, "LabelCharge", this, {10, 8, 200, 13}, "Charge [%]"};
  ui::TPaintBox PaintBoxChart{this, "PaintBoxChart", this, {10, 26, 540, 252}};
  ui::TLabel LabelTime{this, "LabelTime", this, {350, 282, 200, 13}, "Time on battery [h:mm]"};
  // ShapePeriod0 ... ShapePeriod4 and LabelPeriod0 ... LabelPeriod4, made at creation: row i
  // is the i-th period shown, the oldest first, each with its line's colour.
  std::array<ui::TShape*, kPeriods> ShapePeriod{};
  std::array<ui::TLabel*, kPeriods> LabelPeriod{};
  ui::TLabel LabelNote{this, "LabelNote", this, {10, 403, 450, 13}, ""};
  ui::TButton ButtonClose{this, "ButtonClose", this, {475, 398, 75, 25}, "Close"};
  // How often the log is looked at while the window is open.
  ui::TTimer TimerRefresh{this, "TimerRefresh", 2000, false};

  const indicator::DischargeHistory& History() const { return reader_.History(); }

  // ---- handlers ----
  void PaintBoxChartPaint(ui::TObject* sender, ui::TCanvas& canvas);
  void TimerRefreshTimer(ui::TObject* sender);
  void ButtonCloseClick(ui::TObject* sender);

 protected:
  void FormShow() override;

 private:
  // The rows and the note follow the history.
  void ShowPeriods();
  indicator::DischargeLogReader reader_;
  bool logging_;
};

// What one period says, in the words of the language holder's pattern: its start, its length,
// the charge used, the rate per hour and the runtime from full at that rate.
std::string PeriodSummary(const indicator::DischargePeriod& period, const TFormLanguage& texts);
