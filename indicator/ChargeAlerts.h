// The charge alerts: a warning when the charge falls to a threshold on battery, and a
// reminder to unplug when it rises to one while charging on mains. Each fires once per
// crossing and again only after the charge went back past its threshold by the hysteresis,
// so that a charge wavering at the threshold does not repeat it.
#pragma once

namespace indicator {

enum class ChargeAlert { None, LowCharge, Unplug };

struct ChargeAlertSettings {
  bool Low = false;
  int LowAt = 10;  // percent
  bool Unplug = false;
  int UnplugAt = 80;
};

class ChargeAlerts {
 public:
  static constexpr int kHysteresis = 2;  // percent

  // One power reading (percent -1: not known, which changes nothing); the alert that fires
  // now, if any. A program started past a threshold warns at its first reading: the crossing
  // happened while nobody watched.
  ChargeAlert Update(const ChargeAlertSettings& s, bool onMains, bool charging, int percent);

 private:
  bool lowArmed_ = true;
  bool unplugArmed_ = true;
};

}  // namespace indicator
