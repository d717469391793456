// The discharge log: one tab-separated file per battery period in "discharging_log\", every
// line written by rewriting the whole file with the previous state kept as ".bak".
#include <algorithm>
#include <optional>
#include <vector>

#include "app/FormQuonthary.h"
#include "indicator/LogFile.h"
#include "settings/IntegerText.h"
#include "system/Files.h"

namespace {

const char kHeader[] = "Perc[%]\tTime[s]\tTime";

std::vector<std::string> PendingLines(
    const std::vector<std::pair<std::string, std::string>>& pending, const std::string& fileName) {
  std::vector<std::string> lines;
  for (const auto& p : pending)
    if (p.first == fileName) lines.push_back(p.second);
  return lines;
}

}  // namespace

std::string LogLine(int seconds, int percent) {
  using settings::ZeroPadded;
  // At least three digits for the charge, the sign counted apart: -1 (unknown) is -001.
  return (percent < 0 ? "-" : "") + ZeroPadded(percent < 0 ? -percent : percent, 3) + "\t" +
         ZeroPadded(seconds, 6) + "\t" + FormatDuration(seconds);
}

std::string TFormQuonthary::NewLogFileName() {
  sys::LocalTime t = Sys.Time.Now();
  using settings::ZeroPadded;
  return ZeroPadded(t.Year, 4) + ZeroPadded(t.Month, 2) + ZeroPadded(t.Day, 2) + "_" +
         ZeroPadded(t.Hour, 2) + ZeroPadded(t.Minute, 2) + ZeroPadded(t.Second, 2) + ".txt";
}

void TFormQuonthary::AppendLogLine(const std::string& fileName, int seconds, int percent) {
  // A long stretch without a writable disk keeps a bounded number of lines (the newest).
  const std::size_t kMostPending = 2000;
  PendingLogLines.emplace_back(fileName, LogLine(seconds, percent));
  if (PendingLogLines.size() > kMostPending)
    PendingLogLines.erase(PendingLogLines.begin(),
                          PendingLogLines.end() - static_cast<std::ptrdiff_t>(kMostPending));

  const std::string folder = ProgramDir() + "discharging_log";
  if (!sys::files::CreateDir(folder))
    throw sys::FileCreateError("Cannot create folder \"" + folder + "\".");

  // Every file with lines waiting, in the order their first line came: a closing line
  // that failed reaches its file even after a new period has begun.
  std::vector<std::string> files;
  for (const auto& pending : PendingLogLines)
    if (std::find(files.begin(), files.end(), pending.first) == files.end())
      files.push_back(pending.first);
  std::optional<sys::FileCreateError> failure;
  for (const std::string& name : files) {
    try {
      indicator::AppendLogLines(folder + "\\" + name, kHeader, PendingLines(PendingLogLines, name));
      PendingLogLines.erase(std::remove_if(PendingLogLines.begin(), PendingLogLines.end(),
                                           [&](const auto& p) { return p.first == name; }),
                            PendingLogLines.end());
    } catch (const sys::FileCreateError& e) {
      if (!failure) failure = e;
    }
  }
  if (failure) throw *failure;
}
