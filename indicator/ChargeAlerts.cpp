#include "indicator/ChargeAlerts.h"

namespace indicator {

ChargeAlert ChargeAlerts::Update(const ChargeAlertSettings& s, bool onMains, bool charging,
                                 int percent) {
  if (percent < 0) return ChargeAlert::None;
  if (percent >= s.LowAt + kHysteresis) lowArmed_ = true;
  if (percent <= s.UnplugAt - kHysteresis) unplugArmed_ = true;
  if (s.Low && lowArmed_ && !onMains && percent <= s.LowAt) {
    lowArmed_ = false;
    return ChargeAlert::LowCharge;
  }
  if (s.Unplug && unplugArmed_ && onMains && charging && percent >= s.UnplugAt) {
    unplugArmed_ = false;
    return ChargeAlert::Unplug;
  }
  return ChargeAlert::None;
}

}  // namespace indicator
