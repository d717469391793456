// The battery's health over the months: what its devices report (the capacity designed and
// the capacity a full charge reaches now, the charge cycles), one line a day in
// "discharging_log\health.txt", and that file read back for the battery history.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "system/BatteryDevices.h"
#include "system/Clock.h"

namespace indicator {

// Its name in the log folder, beside the discharge log's files.
inline const char kHealthFileName[] = "health.txt";

struct HealthReading {
  int Year = 0, Month = 0, Day = 0;
  std::uint32_t DesignedMWh = 0;
  std::uint32_t FullMWh = 0;
  std::uint32_t Cycles = 0;  // 0 where the battery does not count them

  // 1 − full ÷ designed, in whole percent rounded; never below 0 (a new battery may hold
  // a little more than designed).
  int WearPercent() const;
  // "2024-05-01".
  std::string DateText() const;
  // Days since 1970-01-01: the place of the reading on a time axis.
  int DayNumber() const;
  bool SameDay(const HealthReading& o) const;
  bool SameValues(const HealthReading& o) const;
};

// What the batteries report, as one reading of the given day: the capacities of every
// system battery (a UPS's left out) added up, the most cycles any of them counted. Nullopt
// where none reports both capacities in mWh (unknown, or only relative).
std::optional<HealthReading> CombineBatteries(const std::vector<sys::BatteryDeviceInfo>& batteries,
                                              const sys::LocalTime& day);

// A line of health.txt: "2024-05-01<TAB>48000<TAB>41250<TAB>312", and back (nullopt for
// the header or any line of another form).
std::string HealthLine(const HealthReading& reading);
std::optional<HealthReading> ParseHealthLine(const std::string& line);

// The readings of health.txt (or of its backup, caught between the two steps of a write)
// in the folder, in the file's order; lines of another form are passed over.
std::vector<HealthReading> ReadHealthFile(const std::string& folder);

// Adds the reading to health.txt in the folder (made when missing) with the discharge log's
// safe write, unless its last line holds the same values on the same day already. True when
// a line was written; throws sys::FileCreateError when it could not be.
bool AppendHealthReading(const std::string& folder, const HealthReading& reading);

}  // namespace indicator
