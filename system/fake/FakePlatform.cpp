#include "system/fake/FakePlatform.h"

namespace sys {

FakePlatform::FakePlatform() {
  Clock.OnSleep = [this](unsigned ms) { Sound.Pause(ms); };
}

sys::Platform FakePlatform::Platform() {
  return sys::Platform{PowerSource,      Registry, Mixer,          HotKeys,     MonitorPower, Sound,
                       Processes,        IcmpEcho, VersionInfo,    Environment, Desktop,      Clock,
                       InternetSettings, IpHelper, BatteryDevices, Endpoint,    Instances};
}

}  // namespace sys
