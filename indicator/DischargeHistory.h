// The discharge log read back: each file of "discharging_log\" one battery period, its
// charge over time, and what that says about the battery (the charge used, the rate, the
// runtime from full that the rate implies).
#pragma once
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "system/Clock.h"
#include "system/Files.h"

namespace indicator {

struct ChargeSample {
  int Seconds = 0;  // since the period began
  int Percent = 0;  // 0-100
};

struct DischargePeriod {
  std::string FileName;  // "20080105_143012.txt"
  sys::LocalTime Start;  // from the name
  // The lines with a known charge, in the file's order (their seconds never go back).
  std::vector<ChargeSample> Samples;

  // From the period's start to its last line.
  int LengthSeconds() const { return Samples.empty() ? 0 : Samples.back().Seconds; }
  // Charge at the first line less charge at the last (0 when it rose).
  int ChargeUsed() const;
  // Percent per hour over the whole period; nullopt until at least five minutes passed and
  // one percent was used, before which a rate would say nothing.
  std::optional<double> RatePerHour() const;
  // How long a full battery would last at that rate.
  std::optional<int> RuntimeFromFullSeconds() const;
};

// The start a log file's name tells ("yyyymmdd_hhmmss.txt"); nullopt for any other name.
std::optional<sys::LocalTime> StartOfLogName(const std::string& fileName);

// A log file as the program writes it: the header "Perc[%]<TAB>Time[s]<TAB>Time", then
// lines of charge, seconds and duration; empty lines are passed over, a charge of -1 (not
// known) is no sample. Nullopt for a name or text of any other form, or a file without a
// known charge.
std::optional<DischargePeriod> ParseDischargeLog(const std::string& fileName,
                                                 const std::string& text);

struct DischargeHistory {
  std::vector<DischargePeriod> Periods;  // the oldest first, the newest last
  int Skipped = 0;                       // files looked at that could not be read as a period
};

// Follows the log folder as the program writes it. Files that did not change since the last
// look are not read again. A file caught between its two steps of writing (moved to ".bak",
// the new one not yet there) is read from the ".bak".
class DischargeLogReader {
 public:
  // folder with a trailing separator; at most count periods, the newest.
  DischargeLogReader(std::string folder, std::size_t count);
  // Looks at the folder again; true when the history differs from the last look.
  bool Refresh();
  const DischargeHistory& History() const { return history_; }

 private:
  struct Cached {
    std::optional<sys::FileStamp> Stamp;
    std::optional<DischargePeriod> Period;
  };
  std::string folder_;
  std::size_t count_;
  std::map<std::string, Cached> cache_;  // by the file's path
  DischargeHistory history_;
  bool looked_ = false;
};

}  // namespace indicator
