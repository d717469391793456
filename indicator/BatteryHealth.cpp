#include "indicator/BatteryHealth.h"

#include <algorithm>
#include <cctype>

#include "indicator/LogFile.h"
#include "settings/IntegerText.h"
#include "system/Files.h"

namespace indicator {

namespace {

const char kHealthHeader[] = "Date\tDesigned[mWh]\tFull[mWh]\tCycles";

// Decimal digits only, at most nine of them.
std::optional<std::uint32_t> Count(const std::string& field) {
  if (field.empty() || field.size() > 9) return std::nullopt;
  for (char c : field)
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
  return static_cast<std::uint32_t>(std::stoul(field));
}

}  // namespace

int HealthReading::WearPercent() const {
  if (DesignedMWh == 0 || FullMWh >= DesignedMWh) return 0;
  const std::uint64_t lost = DesignedMWh - FullMWh;
  return int((lost * 200 + DesignedMWh) / (2 * std::uint64_t(DesignedMWh)));
}

int HealthReading::DayNumber() const {
  // Days from the civil date (the proleptic Gregorian calendar), March-based years.
  const int y = Year - (Month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (Month + (Month > 2 ? -3 : 9)) + 2) / 5 + Day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

bool HealthReading::SameDay(const HealthReading& o) const {
  return Year == o.Year && Month == o.Month && Day == o.Day;
}

bool HealthReading::SameValues(const HealthReading& o) const {
  return DesignedMWh == o.DesignedMWh && FullMWh == o.FullMWh && Cycles == o.Cycles;
}

std::optional<HealthReading> CombineBatteries(const std::vector<sys::BatteryDeviceInfo>& batteries,
                                              const sys::LocalTime& day) {
  HealthReading r{day.Year, day.Month, day.Day};
  bool any = false;
  for (const sys::BatteryDeviceInfo& b : batteries) {
    if (!(b.Capabilities & sys::BatterySystemBattery) || (b.Capabilities & sys::BatteryIsShortTerm))
      continue;
    // Relative capacities count in units of their own, which add to nothing in mWh.
    if ((b.Capabilities & sys::BatteryCapacityRelative) ||
        b.DesignedCapacity == sys::BatteryUnknownCapacity ||
        b.FullChargedCapacity == sys::BatteryUnknownCapacity || b.DesignedCapacity == 0)
      continue;
    r.DesignedMWh += b.DesignedCapacity;
    r.FullMWh += b.FullChargedCapacity;
    r.Cycles = std::max(r.Cycles, b.CycleCount);
    any = true;
  }
  if (!any) return std::nullopt;
  return r;
}

std::string HealthReading::DateText() const {
  using settings::ZeroPadded;
  return ZeroPadded(Year, 4) + "-" + ZeroPadded(Month, 2) + "-" + ZeroPadded(Day, 2);
}

std::string HealthLine(const HealthReading& r) {
  return r.DateText() + "\t" + std::to_string(r.DesignedMWh) + "\t" + std::to_string(r.FullMWh) +
         "\t" + std::to_string(r.Cycles);
}

std::optional<HealthReading> ParseHealthLine(const std::string& line) {
  std::vector<std::string> f;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    f.push_back(line.substr(start, tab - start));
  f.push_back(line.substr(start));
  if (f.size() != 4 || f[0].size() != 10 || f[0][4] != '-' || f[0][7] != '-') return std::nullopt;
  const auto year = Count(f[0].substr(0, 4)), month = Count(f[0].substr(5, 2)),
             day = Count(f[0].substr(8, 2));
  const auto designed = Count(f[1]), full = Count(f[2]), cycles = Count(f[3]);
  if (!year || !month || !day || !designed || !full || !cycles || *month < 1 || *month > 12 ||
      *day < 1 || *day > 31 || *designed == 0)
    return std::nullopt;
  return HealthReading{int(*year), int(*month), int(*day), *designed, *full, *cycles};
}

std::vector<HealthReading> ReadHealthFile(const std::string& folder) {
  std::vector<HealthReading> readings;
  for (const std::string& line : SplitLines(ReadLogFile(folder + kHealthFileName)))
    if (auto r = ParseHealthLine(line)) readings.push_back(*r);
  return readings;
}

bool AppendHealthReading(const std::string& folder, const HealthReading& reading) {
  const std::vector<HealthReading> had = ReadHealthFile(folder);
  if (!had.empty() && had.back().SameDay(reading) && had.back().SameValues(reading)) return false;
  const std::string dir = folder.substr(0, folder.size() - 1);
  if (!sys::files::CreateDir(dir))
    throw sys::FileCreateError("Cannot create folder \"" + dir + "\".");
  AppendLogLines(folder + kHealthFileName, kHealthHeader, {HealthLine(reading)});
  return true;
}

}  // namespace indicator
