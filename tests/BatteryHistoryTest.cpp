// The battery history: the chart's scale on its own, what the chart draws, and the window on
// a whole start, opened from the context menu over prepared log files and over the log that
// the battery tick writes while the window is open.
#include <filesystem>
#include <fstream>

#include "dialogs/FormBatteryHistory.h"
#include "dialogs/HealthChart.h"
#include "dialogs/HistoryChart.h"
#include "i18n/FormLanguage.h"
#include "i18n/Translate.h"
#include "tests/DischargeLogSample.h"
#include "tests/IndicatorFixture.h"
#include "ui/headless/RecordingCanvas.h"

namespace {

using dialogs::ChartScale;
using dialogs::ScaleFor;
using testing_support::IndicatorFixture;
using ui::headless::CanvasOp;

TEST(HistoryChart, TheTimeStepLeavesRoomBetweenMarksAndTheSpanIsWholeSteps) {
  const sys::Rect plot{40, 10, 541, 250};  // 500 pixels from the first to the last
  struct Case {
    int Longest, Step, Span;
  };
  for (const Case& c : {Case{5400, 900, 5400},        // an hour and a half: quarters
                        Case{5401, 900, 6300},        // a second more: one quarter more
                        Case{100, 120, 600},          // a short period still shows ten minutes
                        Case{0, 120, 600},            // nothing logged yet
                        Case{259200, 43200, 259200},  // three days
                        Case{100000000, 86400, 100051200}}) {
    const ChartScale s = ScaleFor(plot, c.Longest, 60);
    EXPECT_EQ(s.StepSeconds, c.Step) << c.Longest;
    EXPECT_EQ(s.SpanSeconds, c.Span) << c.Longest;
    // The marks leave the room asked for, except where the largest step cannot.
    if (c.Step < 86400) EXPECT_GE(500LL * s.StepSeconds / s.SpanSeconds, 60) << c.Longest;
  }
  // A narrower plot takes a coarser step for the same period.
  EXPECT_EQ(ScaleFor({0, 0, 201, 100}, 5400, 60).StepSeconds, 1800);
  EXPECT_EQ(ScaleFor(plot, 5400, 60).TimeMarks(),
            (std::vector<int>{0, 900, 1800, 2700, 3600, 4500, 5400}));
}

TEST(HistoryChart, TimeAndChargeMapOntoThePlot) {
  const ChartScale s = ScaleFor({40, 10, 541, 211}, 3600, 60);
  ASSERT_EQ(s.SpanSeconds, 3600);
  EXPECT_EQ(s.At(0, 100), (sys::Point{40, 10}));
  EXPECT_EQ(s.At(3600, 0), (sys::Point{540, 210}));
  EXPECT_EQ(s.At(1800, 50), (sys::Point{290, 110}));
  // Outside the span and the range: on the edge.
  EXPECT_EQ(s.At(7200, 120), (sys::Point{540, 10}));
  EXPECT_EQ(s.At(-5, -1), (sys::Point{40, 210}));
  EXPECT_EQ(dialogs::MarkText(0), "0:00");
  EXPECT_EQ(dialogs::MarkText(5400), "1:30");
  EXPECT_EQ(dialogs::MarkText(86400 + 600), "24:10");
}

TEST(HistoryChart, ALineForEachPeriodTheNewestOnTopAndStrongest) {
  ui::headless::Install();
  indicator::DischargeHistory h;
  for (int n = 0; n < 3; ++n) {
    indicator::DischargePeriod p;
    p.FileName = "2008010" + std::to_string(n + 1) + "_080000.txt";
    for (int i = 0; i <= 10 + n * 10; ++i) p.Samples.push_back({i * 360, 100 - i * 2});
    h.Periods.push_back(p);
  }
  ui::TFont font;
  ui::headless::RecordingCanvas canvas;
  dialogs::DrawHistoryChart(canvas, 400, 200, h, font);
  std::vector<CanvasOp> lines;
  std::vector<std::string> words;
  for (const CanvasOp& op : canvas.Ops()) {
    if (op.What == CanvasOp::Lines) lines.push_back(op);
    if (op.What == CanvasOp::Words) words.push_back(op.Text);
  }
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].Width, 3);
  EXPECT_EQ(lines[2].Color, dialogs::PeriodColor(2, 3));
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(lines[i].Width, 1);
    EXPECT_NE(lines[i].Color, lines[2].Color);
  }
  EXPECT_NE(lines[0].Color, lines[1].Color);
  // The longest period (the newest, two hours) reaches the right end; each starts at the
  // left edge, at its first charge.
  EXPECT_EQ(lines[2].Points.size(), 31u);
  EXPECT_EQ(lines[0].Points.front().X, lines[2].Points.front().X);
  EXPECT_LT(lines[0].Points.back().X, lines[2].Points.back().X);
  EXPECT_LT(lines[2].Points.front().Y, lines[2].Points.back().Y);  // falling charge: downwards
  for (const char* label : {"0 %", "20 %", "100 %", "0:00", "1:00", "2:00"})
    EXPECT_NE(std::find(words.begin(), words.end(), label), words.end()) << label;
  // All of it on the surface.
  for (const CanvasOp& op : canvas.Ops())
    for (const sys::Point& p : op.Points) {
      EXPECT_GE(p.X, 0);
      EXPECT_LT(p.X, 400);
      EXPECT_GE(p.Y, 0);
      EXPECT_LT(p.Y, 200);
    }
}

TEST(HealthChart, MonthsThinnedToFitAndAWholeNumberOfSteps) {
  auto day = [](int y, int m, int d) { return indicator::HealthReading{y, m, d}.DayNumber(); };
  std::vector<indicator::HealthReading> r = {{2023, 1, 20, 48000, 47000, 10},
                                             {2024, 5, 1, 48000, 41250, 312}};
  const sys::Rect plot{40, 4, 541, 84};
  const dialogs::HealthScale wide = dialogs::HealthScaleFor(plot, r, 30);
  EXPECT_EQ(wide.StepMWh, 20000u);
  EXPECT_EQ(wide.TopMWh, 60000u);
  EXPECT_EQ(wide.MonthMarks.size(), 16u);  // 2023-02 ... 2024-05, each
  EXPECT_EQ(dialogs::MonthText(wide.MonthMarks.front()), "2023-02");
  EXPECT_EQ(wide.At(day(2023, 1, 20), 60000), (sys::Point{40, 4}));
  EXPECT_EQ(wide.At(day(2024, 5, 1), 0), (sys::Point{540, 83}));
  // A narrow plot marks every sixth month; a single reading spans a month.
  EXPECT_EQ(dialogs::HealthScaleFor({0, 0, 201, 80}, r, 40).MonthMarks.size(), 3u);
  const dialogs::HealthScale one = dialogs::HealthScaleFor(plot, {r[1]}, 30);
  EXPECT_EQ(one.LastDay - one.FirstDay, 30);
  EXPECT_EQ(one.MonthMarks, std::vector<int>{day(2024, 5, 1)});
}

// ---- the window ----

class BatteryHistory : public IndicatorFixture {
 protected:
  std::filesystem::path LogDir() { return dir.Path() / "discharging_log"; }
  void Put(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(LogDir());
    std::ofstream(LogDir() / name, std::ios::binary) << text;
  }
  // Opens the window from the menu; act looks at it inside its modal run.
  void Open(std::function<void(TFormBatteryHistory&)> act) {
    ui_->OnModal([this, act](ui::TForm& form) {
      auto* w = dynamic_cast<TFormBatteryHistory*>(&form);
      ASSERT_NE(w, nullptr) << form.Name();
      act(*w);
      if (w->Modal()) ui_->Click(w->ButtonClose);
    });
    ui_->ClickMenu(Ind().mnuBatteryHistory);
    EXPECT_EQ(ui_->PendingModals(), 0u);
    EXPECT_TRUE(ui_->Unexpected().empty());
  }
};

TEST_F(BatteryHistory, ThePeriodsOfTheLogWithWhatEachSaysAndTheFilesThatCouldNotBeRead) {
  Put("20080103_090000.txt", testing_support::DischargeLog(100, 80, 180));  // 20 % in an hour
  Put("20080104_090000.txt", testing_support::DischargeLog(97, 97, 60));    // one line: just begun
  Put("20080105_143012.txt",
      testing_support::DischargeLog(90, 60, 240));  // 30 % in two hours: 15 % per hour
  Put("20080105_200000.txt", "a file of another kind");
  Start();
  Open([&](TFormBatteryHistory& w) {
    EXPECT_EQ(w.Caption(), "Battery history");
    EXPECT_TRUE(Ind().Dialogs.BlocksCommands());
    ASSERT_EQ(w.History().Periods.size(), 3u);
    EXPECT_EQ(w.LabelPeriod[0]->Caption(),
              "2008-01-03 09:00: 1:00:00 on battery, 20 % used, 20.0 % per hour, 5:00 from full");
    // Too short for a rate: the rest is said.
    EXPECT_EQ(w.LabelPeriod[1]->Caption(), "2008-01-04 09:00: 0:00:00 on battery, 0 % used");
    EXPECT_EQ(w.LabelPeriod[2]->Caption(),
              "2008-01-05 14:30: 2:00:00 on battery, 30 % used, 15.0 % per hour, 6:40 from full");
    // The newest highlighted, in its line's colour; no rows for what is not there.
    EXPECT_TRUE(w.LabelPeriod[2]->Font().Bold);
    EXPECT_FALSE(w.LabelPeriod[0]->Font().Bold);
    EXPECT_EQ(w.ShapePeriod[2]->BrushColor(), dialogs::PeriodColor(2, 3));
    EXPECT_FALSE(w.LabelPeriod[3]->Visible());
    EXPECT_FALSE(w.ShapePeriod[4]->Visible());
    EXPECT_EQ(w.LabelNote.Caption(), "Files in discharging_log that could not be read: 1");
    // The chart draws the three.
    int lines = 0;
    for (const CanvasOp& op : ui::headless::PaintOps(w.PaintBoxChart))
      lines += op.What == CanvasOp::Lines ? 1 : 0;
    EXPECT_EQ(lines, 3);
    // Rows are found by name, as translation finds them.
    EXPECT_EQ(w.FindComponent("LabelPeriod4"), w.LabelPeriod[4]);
  });
  EXPECT_EQ(Ind().FormBatteryHistory, nullptr);
  EXPECT_FALSE(Ind().Dialogs.BlocksCommands());
}

TEST_F(BatteryHistory, NothingLoggedYetIsSaidSoAndWhetherTheLogIsOn) {
  Start();
  Ind().Cfg.LogWorkTime = false;
  Open([&](TFormBatteryHistory& w) {
    EXPECT_TRUE(w.History().Periods.empty());
    EXPECT_EQ(w.LabelNote.Caption(), Ind().Msg("LabelHistoryLogOff"));
    EXPECT_FALSE(w.LabelPeriod[0]->Visible());
  });
  Ind().Cfg.LogWorkTime = true;
  Open([&](TFormBatteryHistory& w) {
    EXPECT_EQ(w.LabelNote.Caption(), "No battery period has been logged yet.");
  });
}

TEST_F(BatteryHistory, TheWindowGrowsAndTheChartWithIt) {
  Put("20080105_143012.txt", testing_support::DischargeLog(90, 60, 240));
  Start();
  Open([&](TFormBatteryHistory& w) {
    // Its design size is the least it takes; larger is the user's choice.
    EXPECT_EQ(w.Constraints().MinWidth, w.Width());
    EXPECT_EQ(w.Constraints().MinHeight, w.Height());
    EXPECT_EQ(w.Constraints().MaxWidth, 0);
    EXPECT_EQ(w.Constraints().MaxHeight, 0);
    const int chartWidth = w.PaintBoxChart.Width(), chartHeight = w.PaintBoxChart.Height();
    const int rowGap = w.ClientHeight() - w.LabelPeriod[0]->Top();
    w.SetClientSize(w.ClientWidth() + 200, w.ClientHeight() + 100);
    EXPECT_EQ(w.PaintBoxChart.Width(), chartWidth + 200);
    EXPECT_EQ(w.PaintBoxChart.Height(), chartHeight + 100);
    EXPECT_EQ(w.ClientHeight() - w.LabelPeriod[0]->Top(), rowGap);
    EXPECT_EQ(w.ButtonClose.Right(), w.ClientWidth() - 10);
    EXPECT_GE(w.LabelPeriod[0]->Top(), w.LabelTime.Bottom());
    // Drawn to the new size.
    int right = 0;
    for (const CanvasOp& op : ui::headless::PaintOps(w.PaintBoxChart))
      if (op.What == CanvasOp::Fill) right = std::max(right, op.Rect.Right);
    EXPECT_EQ(right, chartWidth + 200);
  });
  // A row longer than its place, as a wordier language or the font at a screen's DPI makes
  // it, widens the window at the show.
  Ind().FormLanguage->LabelHistoryPeriod.SetCaption(std::string(100, '.') + " %1 %2 %3 %4 %5");
  Open([&](TFormBatteryHistory& w) {
    const ui::TLabel& row = *w.LabelPeriod[0];
    EXPECT_LE(ui::CurrentBackend().MeasureText(row.Font(), row.Caption(), 0).Width, row.Width());
    EXPECT_EQ(w.Constraints().MinWidth, w.Width());
  });
}

TEST_F(BatteryHistory, TheHealthLineAndTheChartOfTheMonths) {
  fake.PowerSource.Status = testing_support::NoBattery();
  Start();
  int designHeight = 0;
  Open([&](TFormBatteryHistory& w) {
    // Nothing known: said so, and the charge chart takes the health chart's room.
    EXPECT_EQ(w.LabelHealth.Caption(), "Battery health: not available");
    EXPECT_FALSE(w.PaintBoxHealth.Visible());
    designHeight = w.PaintBoxChart.Height();
    EXPECT_EQ(w.LabelHealth.Bottom() + 13, w.LabelNote.Top());
    EXPECT_EQ(w.LabelTime.Top(), w.PaintBoxChart.Bottom() + 4);
  });
  Put("health.txt",
      "Date\tDesigned[mWh]\tFull[mWh]\tCycles\r\n2007-06-01\t48000\t47500\t0\r\n"
      "2007-12-01\t48000\t44000\t0\r\n");
  Open([&](TFormBatteryHistory& w) {
    EXPECT_EQ(w.LabelHealth.Caption(),
              "Battery health on 2007-12-01: designed 48000 mWh, full 44000 mWh, wear 8 %");
    EXPECT_TRUE(w.PaintBoxHealth.Visible());
    EXPECT_LT(w.PaintBoxChart.Height(), designHeight);
    EXPECT_EQ(w.HealthHistory().size(), 2u);
    EXPECT_EQ(w.LabelNote.Caption(), "No battery period has been logged yet.") << "no period";
    int points = 0;
    for (const CanvasOp& op : ui::headless::PaintOps(w.PaintBoxHealth))
      if (op.What == CanvasOp::Lines) points = int(op.Points.size());
    EXPECT_EQ(points, 2);
  });
  EXPECT_EQ(fake.BatteryDevices.Reads, 0) << "no battery: no device asked";
  // What the battery says now comes first.
  fake.PowerSource.Status = testing_support::OnMains(100, false);
  Tick();
  fake.BatteryDevices.Now = {{sys::BatterySystemBattery, 48000, 43000, 57, "", ""}};
  Open([&](TFormBatteryHistory& w) {
    EXPECT_EQ(w.LabelHealth.Caption(),
              "Battery health on 2008-01-05: designed 48000 mWh, full "
              "43000 mWh, wear 10 %, 57 cycles");
  });
}

TEST_F(BatteryHistory, NewLinesShowWhileTheWindowIsOpen) {
  Start();
  Ind().Cfg.LogWorkTime = true;
  fake.PowerSource.Status = testing_support::OnBattery(90);
  Tick();  // the period begins: its file and first line
  Open([&](TFormBatteryHistory& w) {
    ASSERT_EQ(w.History().Periods.size(), 1u);
    EXPECT_EQ(w.History().Periods[0].Samples.size(), 1u);
    const int repaints = ui_->RepaintCount(w.PaintBoxChart);
    // The battery tick goes on in the window's modal run, and writes the next line...
    fake.PowerSource.Status = testing_support::OnBattery(89);
    ui_->AdvanceTime(2000);
    // ... which the window finds at its next look (a whole refresh interval later, as
    // timers due at the same moment fire in no promised order).
    ui_->AdvanceTime(2000);
    ASSERT_EQ(w.History().Periods.size(), 1u);
    EXPECT_EQ(w.History().Periods[0].Samples.size(), 2u);
    EXPECT_GT(ui_->RepaintCount(w.PaintBoxChart), repaints);
    EXPECT_NE(w.LabelPeriod[0]->Caption().find("1 % used"), std::string::npos)
        << w.LabelPeriod[0]->Caption();
    // Nothing new: no redrawing.
    const int after = ui_->RepaintCount(w.PaintBoxChart);
    ui_->AdvanceTime(2000);
    EXPECT_EQ(ui_->RepaintCount(w.PaintBoxChart), after);
  });
}

TEST_F(BatteryHistory, TheSampleLanguageTranslatesTheWindow) {
  std::filesystem::copy(std::filesystem::path(Q_SOURCE_DIR) / "resources" / "language",
                        dir.Path() / "language");
  Put("20080105_143012.txt", testing_support::DischargeLog(90, 60, 240));
  Start();
  Ind().FormLanguage->SetLanguageFile("Deutsch.lng");
  TranslateForm(*Ind().FormLanguage, *Ind().FormLanguage, Ind().ProgramDir());
  Open([&](TFormBatteryHistory& w) {
    EXPECT_EQ(w.Caption(), "Akkuverlauf");
    EXPECT_EQ(w.LabelCharge.Caption(), "Ladung [%]");
    EXPECT_EQ(w.LabelPeriod[0]->Caption().rfind("2008-01-05 14:30: 2:00:00 mit Akku, 30 % ", 0), 0u)
        << w.LabelPeriod[0]->Caption();
    // The axis titles and the rows fit their places in the German words too (the window
    // widens for a longer row); in the system's fonts at several DPIs under wine.
    for (ui::TLabel* label : {&w.LabelCharge, &w.LabelTime, w.LabelPeriod[0]}) {
      const ui::TextSize text =
          ui::CurrentBackend().MeasureText(label->Font(), label->Caption(), 0);
      EXPECT_LE(text.Width, label->Width()) << label->Name();
    }
  });
}

}  // namespace
