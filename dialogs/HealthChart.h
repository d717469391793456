// The battery's health as a small chart: the full-charge capacity of each day of
// health.txt over the months, under a grey line at the capacity designed. The scale is
// worked out apart from the drawing, so that it can be checked on its own.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "indicator/BatteryHealth.h"
#include "system/Types.h"
#include "ui/Canvas.h"

namespace dialogs {

struct HealthScale {
  sys::Rect Plot;               // the area inside the axes
  int FirstDay = 0;             // the days at the left and right edges (days since 1970-01-01)
  int LastDay = 0;              // a month after the first at least
  std::uint32_t TopMWh = 0;     // at the top: a whole number of steps
  std::uint32_t StepMWh = 0;    // between two lines of the grid
  std::vector<int> MonthMarks;  // the first days of the months marked, thinned to fit
  sys::Point At(int day, std::uint32_t mwh) const;
};

// The scale for the readings (at least one) on a plot with marks minMarkPixels or more apart.
HealthScale HealthScaleFor(const sys::Rect& plot,
                           const std::vector<indicator::HealthReading>& readings,
                           int minMarkPixels);

// "2024-05": the month of a day.
std::string MonthText(int day);

// Draws the chart on a surface of width x height; nothing for no readings.
void DrawHealthChart(ui::TCanvas& canvas, int width, int height,
                     const std::vector<indicator::HealthReading>& readings, const ui::TFont& font);

}  // namespace dialogs
