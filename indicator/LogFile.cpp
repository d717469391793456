#include "indicator/LogFile.h"

#include <optional>

#include "system/Files.h"

namespace indicator {

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

void AppendLogLines(const std::string& path, const std::string& header,
                    const std::vector<std::string>& added) {
  const std::string backup = path + ".bak";
  // After a write of an older version that failed half-way the lines are in the backup.
  std::optional<std::string> previous = sys::files::ReadAll(path);
  if (!previous) previous = sys::files::ReadAll(backup);
  std::vector<std::string> lines =
      previous ? SplitLines(*previous) : std::vector<std::string>{header};
  lines.insert(lines.end(), added.begin(), added.end());

  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  if (previous) sys::files::WriteReplacing(backup, *previous);
  sys::files::WriteReplacing(path, text);
}

std::string ReadLogFile(const std::string& path) {
  std::optional<std::string> text = sys::files::ReadAll(path);
  if (!text) text = sys::files::ReadAll(path + ".bak");
  return text ? *text : std::string();
}

}  // namespace indicator
