// The discharge log: one tab-separated file per battery period in "discharging_log\", every
// line written by rewriting the whole file with the previous state kept as ".bak".
#include <cstdio>
#include <vector>

#include "app/FormQuonthary.h"
#include "system/Files.h"

namespace {

const char kHeader[] = "Perc[%]\tTime[s]\tTime";

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::string LogLine(int seconds, int percent) {
  char text[64];
  // At least three digits for the charge, the sign counted apart: -1 (unknown) is -001.
  std::snprintf(text, sizeof text, "%s%03d\t%06d\t", percent < 0 ? "-" : "",
                percent < 0 ? -percent : percent, seconds);
  return text + FormatDuration(seconds);
}

std::string TFormQuonthary::NewLogFileName() {
  sys::LocalTime t = Sys.Time.Now();
  char name[32];
  std::snprintf(name, sizeof name, "%04d%02d%02d_%02d%02d%02d.txt", t.Year, t.Month, t.Day, t.Hour,
                t.Minute, t.Second);
  return name;
}

void TFormQuonthary::AppendLogLine(const std::string& fileName, int seconds, int percent) {
  const std::string folder = ProgramDir() + "discharging_log";
  if (!sys::files::CreateDir(folder))
    throw sys::FileCreateError("Cannot create folder \"" + folder + "\".");
  const std::string path = folder + "\\" + fileName;
  const std::string backup = path + ".bak";

  // The lines so far; after a write that failed half-way they are still in the backup.
  std::optional<std::string> previous = sys::files::ReadAll(path);
  if (!previous) previous = sys::files::ReadAll(backup);
  std::vector<std::string> lines =
      previous ? SplitLines(*previous) : std::vector<std::string>{kHeader};
  lines.push_back(LogLine(seconds, percent));

  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";

  // The previous state moves to the backup, then the new state replaces the file in one
  // step: whichever step fails, the lines logged so far survive in one of the two.
  if (sys::files::FileExists(path)) {
    sys::files::Delete(backup);
    if (!sys::files::Rename(path, backup))
      throw sys::FileCreateError("Cannot create file \"" + backup + "\".");
  }
  sys::files::WriteReplacing(path, text);
}
