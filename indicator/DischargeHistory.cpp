#include "indicator/DischargeHistory.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <tuple>
#include <utility>

#include "indicator/BatteryHealth.h"
#include "system/NoCase.h"

namespace indicator {

namespace {

const char kHeader[] = "Perc[%]\tTime[s]\tTime";
const char kBackup[] = ".bak";

// Five minutes: a shorter period (or one without a percent used) gives no rate.
constexpr int kShortestRated = 300;

bool AllDigits(const std::string& text, std::size_t from, std::size_t to) {
  if (from >= to || to > text.size()) return false;
  for (std::size_t i = from; i < to; ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  return true;
}

int Number(const std::string& text, std::size_t from, std::size_t length) {
  return std::stoi(text.substr(from, length));
}

// "095", "-001", "000360": decimal digits with an optional minus, at most nine of them.
std::optional<int> Integer(const std::string& field) {
  const std::size_t digits = !field.empty() && field[0] == '-' ? 1 : 0;
  if (field.size() - digits > 9 || !AllDigits(field, digits, field.size())) return std::nullopt;
  return std::stoi(field);
}

// H:MM:SS as the program writes durations.
bool IsDuration(const std::string& field) {
  const std::size_t colon = field.find(':');
  return colon != std::string::npos && field.size() == colon + 6 && AllDigits(field, 0, colon) &&
         field[colon + 3] == ':' && AllDigits(field, colon + 1, colon + 3) &&
         AllDigits(field, colon + 4, colon + 6);
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(
        line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

bool EndsWithNoCase(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && sys::EqualNoCase(text.substr(text.size() - end.size()), end);
}

}  // namespace

int DischargePeriod::ChargeUsed() const {
  if (Samples.empty()) return 0;
  return std::max(0, Samples.front().Percent - Samples.back().Percent);
}

std::optional<double> DischargePeriod::RatePerHour() const {
  const int length = LengthSeconds() - (Samples.empty() ? 0 : Samples.front().Seconds);
  if (length < kShortestRated || ChargeUsed() < 1) return std::nullopt;
  return ChargeUsed() * 3600.0 / length;
}

std::optional<int> DischargePeriod::RuntimeFromFullSeconds() const {
  const std::optional<double> rate = RatePerHour();
  if (!rate) return std::nullopt;
  return int(100.0 / *rate * 3600.0 + 0.5);
}

std::optional<sys::LocalTime> StartOfLogName(const std::string& fileName) {
  // yyyymmdd_hhmmss.txt
  if (fileName.size() != 19 || fileName[8] != '_' || !AllDigits(fileName, 0, 8) ||
      !AllDigits(fileName, 9, 15) || !sys::EqualNoCase(fileName.substr(15), ".txt"))
    return std::nullopt;
  sys::LocalTime t{Number(fileName, 0, 4), Number(fileName, 4, 2),  Number(fileName, 6, 2),
                   Number(fileName, 9, 2), Number(fileName, 11, 2), Number(fileName, 13, 2)};
  if (t.Month < 1 || t.Month > 12 || t.Day < 1 || t.Day > 31 || t.Hour > 23 || t.Minute > 59 ||
      t.Second > 59)
    return std::nullopt;
  return t;
}

std::optional<DischargePeriod> ParseDischargeLog(const std::string& fileName,
                                                 const std::string& text) {
  const std::optional<sys::LocalTime> start = StartOfLogName(fileName);
  if (!start) return std::nullopt;
  DischargePeriod period{fileName, *start, {}};
  bool header = false;
  int last = -1;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (!header) {
      if (line != kHeader) return std::nullopt;
      header = true;
      continue;
    }
    const std::vector<std::string> f = Fields(line);
    if (f.size() != 3 || !IsDuration(f[2])) return std::nullopt;
    const std::optional<int> percent = Integer(f[0]), seconds = Integer(f[1]);
    if (!percent || !seconds || *seconds < last || *percent < -1 || *percent > 100)
      return std::nullopt;
    last = *seconds;
    if (*percent >= 0) period.Samples.push_back({*seconds, *percent});
  }
  if (period.Samples.empty()) return std::nullopt;
  return period;
}

DischargeLogReader::DischargeLogReader(std::string folder, std::size_t count)
    : folder_(std::move(folder)), count_(count) {}

bool DischargeLogReader::Refresh() {
  // The periods by name: each ".txt", and a ".txt.bak" whose ".txt" is missing just now.
  std::set<std::string> names, backups;
  for (const sys::DirEntry& e : sys::files::List(folder_ + "*")) {
    // The battery's health lives beside the periods: no period, and no file of another kind.
    if ((e.Attributes & sys::FileAttrDirectory) ||
        sys::EqualNoCase(e.Name.substr(0, sizeof kHealthFileName - 1), kHealthFileName))
      continue;
    if (EndsWithNoCase(e.Name, ".txt"))
      names.insert(e.Name);
    else if (EndsWithNoCase(e.Name, std::string(".txt") + kBackup))
      backups.insert(e.Name.substr(0, e.Name.size() - 4));
  }
  for (const std::string& b : backups) names.insert(b);

  DischargeHistory next;
  std::map<std::string, Cached> kept;
  // The newest first: the names sort as their start times do.
  for (auto it = names.rbegin(); it != names.rend() && next.Periods.size() < count_; ++it) {
    const bool fromBackup = !sys::files::FileExists(folder_ + *it);
    const std::string path = folder_ + *it + (fromBackup ? kBackup : "");
    Cached entry;
    entry.Stamp = sys::files::Stamp(path);
    auto cached = cache_.find(path);
    if (cached != cache_.end() && entry.Stamp && cached->second.Stamp == entry.Stamp) {
      entry.Period = cached->second.Period;
    } else if (const std::optional<std::string> text = sys::files::ReadAll(path)) {
      entry.Period = ParseDischargeLog(*it, *text);
    }
    if (entry.Period)
      next.Periods.push_back(*entry.Period);
    else
      ++next.Skipped;
    kept[path] = std::move(entry);
  }
  std::reverse(next.Periods.begin(), next.Periods.end());
  cache_ = std::move(kept);

  auto same = [](const DischargeHistory& a, const DischargeHistory& b) {
    if (a.Skipped != b.Skipped || a.Periods.size() != b.Periods.size()) return false;
    for (std::size_t i = 0; i < a.Periods.size(); ++i) {
      const auto &x = a.Periods[i].Samples, &y = b.Periods[i].Samples;
      if (a.Periods[i].FileName != b.Periods[i].FileName || x.size() != y.size() ||
          (!x.empty() && std::tie(x.back().Seconds, x.back().Percent) !=
                             std::tie(y.back().Seconds, y.back().Percent)))
        return false;
    }
    return true;
  };
  const bool changed = !looked_ || !same(history_, next);
  looked_ = true;
  history_ = std::move(next);
  return changed;
}

}  // namespace indicator
