#include "dialogs/HealthChart.h"

#include <algorithm>

namespace dialogs {

namespace {

constexpr int kLeastHealthDays = 30;
const ui::TColor kHealthGrid = 0xE0E0E0;
const ui::TColor kHealthAxis = 0x808080;
const ui::TColor kDesigned = 0xA0A0A0;
const ui::TColor kFull = 0x2020D0;
const std::uint32_t kSteps[] = {500, 1000, 2000, 5000, 10000, 20000, 50000, 100000};

// The civil date of a day number (the inverse of HealthReading::DayNumber).
indicator::HealthReading DateOf(int day) {
  const int z = day + 719468;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const int doe = z - era * 146097;
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  indicator::HealthReading r;
  r.Day = doy - (153 * mp + 2) / 5 + 1;
  r.Month = mp < 10 ? mp + 3 : mp - 9;
  r.Year = yoe + era * 400 + (r.Month <= 2 ? 1 : 0);
  return r;
}

int FirstOfMonth(int year, int month) {
  indicator::HealthReading r;
  r.Year = year;
  r.Month = month;
  r.Day = 1;
  return r.DayNumber();
}

}  // namespace

sys::Point HealthScale::At(int day, std::uint32_t mwh) const {
  const int d = std::clamp(day, FirstDay, LastDay);
  const std::uint32_t v = std::min(mwh, TopMWh);
  const long long w = Plot.Width() - 1, h = Plot.Height() - 1;
  const int span = LastDay - FirstDay;
  return {Plot.Left + int(span > 0 ? w * (d - FirstDay) / span : 0),
          Plot.Bottom - 1 - int(TopMWh > 0 ? h * v / TopMWh : 0)};
}

HealthScale HealthScaleFor(const sys::Rect& plot,
                           const std::vector<indicator::HealthReading>& readings,
                           int minMarkPixels) {
  HealthScale s;
  s.Plot = plot;
  if (readings.empty()) return s;
  std::uint32_t most = 0;
  s.FirstDay = s.LastDay = readings.front().DayNumber();
  for (const auto& r : readings) {
    most = std::max({most, r.DesignedMWh, r.FullMWh});
    s.FirstDay = std::min(s.FirstDay, r.DayNumber());
    s.LastDay = std::max(s.LastDay, r.DayNumber());
  }
  s.LastDay = std::max(s.LastDay, s.FirstDay + kLeastHealthDays);
  // Four lines of grid at most, the top a whole number of steps above the largest value.
  s.StepMWh = kSteps[std::size(kSteps) - 1];
  for (std::uint32_t step : kSteps) {
    if ((most + step - 1) / step <= 4) {
      s.StepMWh = step;
      break;
    }
  }
  s.TopMWh = std::max<std::uint32_t>(1, (most + s.StepMWh - 1) / s.StepMWh) * s.StepMWh;

  // Every month, or every 2nd, 3rd, 6th or 12th where the plot is too narrow for all.
  const indicator::HealthReading first = DateOf(s.FirstDay);
  std::vector<int> months;
  for (int y = first.Year, m = first.Month;; ++m) {
    if (m > 12) {
      m = 1;
      ++y;
    }
    const int day = FirstOfMonth(y, m);
    if (day > s.LastDay) break;
    if (day >= s.FirstDay) months.push_back(day);
  }
  const long long width = std::max(plot.Width() - 1, 1);
  const int span = s.LastDay - s.FirstDay;
  for (int every : {1, 2, 3, 6, 12}) {
    if (width * 30 * every >= static_cast<long long>(minMarkPixels) * span || every == 12) {
      for (std::size_t i = 0; i < months.size(); i += std::size_t(every))
        s.MonthMarks.push_back(months[i]);
      break;
    }
  }
  return s;
}

std::string MonthText(int day) { return DateOf(day).DateText().substr(0, 7); }

void DrawHealthChart(ui::TCanvas& canvas, int width, int height,
                     const std::vector<indicator::HealthReading>& readings, const ui::TFont& font) {
  canvas.FillRect({0, 0, width, height}, ui::clWhite);
  if (readings.empty()) return;
  ui::TFont label = font;
  label.Color = kHealthAxis;
  const ui::TextSize valueSize = canvas.TextExtent(label, "000000", false);
  const ui::TextSize monthSize = canvas.TextExtent(label, "0000-00", false);
  const sys::Rect plot{valueSize.Width + 8, valueSize.Height / 2 + 4,
                       width - monthSize.Width / 2 - 4, height - monthSize.Height - 6};
  if (plot.Width() < 20 || plot.Height() < 20) return;
  const HealthScale scale = HealthScaleFor(plot, readings, monthSize.Width + 8);

  for (std::uint32_t v = 0; v <= scale.TopMWh; v += scale.StepMWh) {
    const int y = scale.At(scale.FirstDay, v).Y;
    canvas.FillRect({plot.Left, y, plot.Right, y + 1}, v == 0 ? kHealthAxis : kHealthGrid);
    canvas.TextRect({0, y - valueSize.Height / 2, plot.Left - 4, y + valueSize.Height / 2 + 1},
                    std::to_string(v), label, ui::TAlignment::RightJustify, false);
  }
  for (int day : scale.MonthMarks) {
    const int x = scale.At(day, 0).X;
    canvas.FillRect({x, plot.Top, x + 1, plot.Bottom}, kHealthGrid);
    canvas.TextRect({x - monthSize.Width, plot.Bottom + 2, x + monthSize.Width,
                     plot.Bottom + 2 + monthSize.Height},
                    MonthText(day), label, ui::TAlignment::Center, false);
  }
  // The capacity designed, as the newest reading gives it, across the whole plot.
  const int designed = scale.At(scale.FirstDay, readings.back().DesignedMWh).Y;
  canvas.FillRect({plot.Left, designed, plot.Right, designed + 1}, kDesigned);
  std::vector<sys::Point> full;
  for (const auto& r : readings) full.push_back(scale.At(r.DayNumber(), r.FullMWh));
  canvas.Polyline(full, kFull, 2);
  // A dot for each day read, so that a single reading shows too.
  for (const sys::Point& p : full) canvas.FillRect({p.X - 1, p.Y - 1, p.X + 2, p.Y + 2}, kFull);
}

}  // namespace dialogs
