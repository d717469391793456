// The battery history as a chart: the charge of each period over the time from its start,
// 0-100 % upright, the newest period drawn strongest. The scale is worked out apart from the
// drawing, so that it can be checked on its own.
#pragma once
#include <string>
#include <vector>

#include "indicator/DischargeHistory.h"
#include "system/Types.h"
#include "ui/Canvas.h"

namespace dialogs {

// Where the periods are drawn and how time and charge map onto it.
struct ChartScale {
  sys::Rect Plot;       // the area inside the axes
  int SpanSeconds = 0;  // the time at the right edge: a whole number of steps
  int StepSeconds = 0;  // between two marks of the time axis
  int PercentStep = 20;
  // The pixel for a time and a charge; times beyond the span and charges outside 0-100 lie
  // on the edge.
  sys::Point At(int seconds, int percent) const;
  // The marks along the time axis, 0 first, the span last.
  std::vector<int> TimeMarks() const;
};

// Steps the time axis may take: whole minutes and hours a reader counts in.
const std::vector<int>& TimeSteps();

// The scale for periods lasting up to longestSeconds on a plot minTickPixels or more
// between two time marks: the smallest step that leaves that room, at least ten minutes
// shown, the span rounded up to whole steps.
ChartScale ScaleFor(const sys::Rect& plot, int longestSeconds, int minTickPixels);

// "0:30", "12:00": the time of a mark.
std::string MarkText(int seconds);

// The colour of the i-th of count periods (the last one is the newest, highlighted).
ui::TColor PeriodColor(std::size_t i, std::size_t count);

// Draws the chart on a surface of width x height: the frame, the grid with its labels, and
// a line for each period.
void DrawHistoryChart(ui::TCanvas& canvas, int width, int height,
                      const indicator::DischargeHistory& history, const ui::TFont& font);

}  // namespace dialogs
