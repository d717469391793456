#include "dialogs/HistoryChart.h"

#include <algorithm>
#include <string>

#include "settings/IntegerText.h"

namespace dialogs {

namespace {

constexpr int kLeastSpan = 600;  // ten minutes: a short period does not fill the width alone
const ui::TColor kGrid = 0xE0E0E0;
const ui::TColor kAxis = 0x808080;
const ui::TColor kBackground = ui::clWhite;
// Older periods in soft colours, the oldest first; the newest always in strong red.
const ui::TColor kOlder[] = {0xC8B48C, 0x8CC8A0, 0x6EAADC, 0xC896C8, 0xA0A0A0};
const ui::TColor kNewest = 0x2020D0;

}  // namespace

sys::Point ChartScale::At(int seconds, int percent) const {
  const int s = std::clamp(seconds, 0, SpanSeconds);
  const int p = std::clamp(percent, 0, 100);
  const long long w = Plot.Width() - 1, h = Plot.Height() - 1;
  return {Plot.Left + int(SpanSeconds > 0 ? w * s / SpanSeconds : 0),
          Plot.Bottom - 1 - int(h * p / 100)};
}

std::vector<int> ChartScale::TimeMarks() const {
  std::vector<int> marks;
  for (int s = 0; StepSeconds > 0 && s <= SpanSeconds; s += StepSeconds) marks.push_back(s);
  return marks;
}

const std::vector<int>& TimeSteps() {
  static const std::vector<int> steps = {60,   120,  300,   600,   900,   1800,
                                         3600, 7200, 10800, 21600, 43200, 86400};
  return steps;
}

ChartScale ScaleFor(const sys::Rect& plot, int longestSeconds, int minTickPixels) {
  ChartScale scale;
  scale.Plot = plot;
  const int wanted = std::max(longestSeconds, kLeastSpan);
  const int width = std::max(plot.Width() - 1, 1);
  scale.StepSeconds = TimeSteps().back();
  for (int step : TimeSteps()) {
    if (static_cast<long long>(width) * step >= static_cast<long long>(minTickPixels) * wanted) {
      scale.StepSeconds = step;
      break;
    }
  }
  scale.SpanSeconds = (wanted + scale.StepSeconds - 1) / scale.StepSeconds * scale.StepSeconds;
  return scale;
}

std::string MarkText(int seconds) {
  return std::to_string(seconds / 3600) + ":" + settings::ZeroPadded(seconds / 60 % 60, 2);
}

ui::TColor PeriodColor(std::size_t i, std::size_t count) {
  if (i + 1 == count) return kNewest;
  // The one before the newest has the first colour: the palette counts back from there.
  const std::size_t back = count - 2 - i;
  return kOlder[back % (sizeof kOlder / sizeof kOlder[0])];
}

void DrawHistoryChart(ui::TCanvas& canvas, int width, int height,
                      const indicator::DischargeHistory& history, const ui::TFont& font) {
  canvas.FillRect({0, 0, width, height}, kBackground);
  ui::TFont label = font;
  label.Color = kAxis;
  const ui::TextSize percentSize = canvas.TextExtent(label, "100 %", false);
  const ui::TextSize timeSize = canvas.TextExtent(label, "00:00", false);
  // Room for the charge labels at the left, the time labels below, half a label above and
  // to the right so that the top and the last labels are not cut.
  const sys::Rect plot{percentSize.Width + 10, percentSize.Height / 2 + 4,
                       width - timeSize.Width / 2 - 6, height - timeSize.Height - 8};
  if (plot.Width() < 20 || plot.Height() < 20) return;

  int longest = 0;
  for (const auto& p : history.Periods) longest = std::max(longest, p.LengthSeconds());
  const ChartScale scale = ScaleFor(plot, longest, timeSize.Width * 2);

  // The grid: a line for every 20 %, one for every time mark, each with its label.
  for (int percent = 0; percent <= 100; percent += scale.PercentStep) {
    const int y = scale.At(0, percent).Y;
    canvas.FillRect({plot.Left, y, plot.Right, y + 1}, percent == 0 ? kAxis : kGrid);
    canvas.TextRect({0, y - percentSize.Height / 2, plot.Left - 5, y + percentSize.Height / 2 + 1},
                    std::to_string(percent) + " %", label, ui::TAlignment::RightJustify, false);
  }
  for (int mark : scale.TimeMarks()) {
    const int x = scale.At(mark, 0).X;
    canvas.FillRect({x, plot.Top, x + 1, plot.Bottom}, mark == 0 ? kAxis : kGrid);
    canvas.TextRect({x - timeSize.Width, plot.Bottom + 3, x + timeSize.Width,
                     plot.Bottom + 3 + timeSize.Height},
                    MarkText(mark), label, ui::TAlignment::Center, false);
  }

  // The oldest first, so that the newest lies on top.
  const std::size_t count = history.Periods.size();
  for (std::size_t i = 0; i < count; ++i) {
    std::vector<sys::Point> line;
    for (const auto& sample : history.Periods[i].Samples)
      line.push_back(scale.At(sample.Seconds, sample.Percent));
    canvas.Polyline(line, PeriodColor(i, count), i + 1 == count ? 3 : 1);
  }
}

}  // namespace dialogs
