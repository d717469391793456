// One fake of every platform adapter, wired into a Platform for the code under test.
// The clock's sleeps are also recorded as pauses among the sound events, so that a tone
// pattern (tone, pause, tone, ...) can be compared as a whole.
#pragma once
#include "system/Platform.h"
#include "system/fake/FakeBatteryDevices.h"
#include "system/fake/FakeClock.h"
#include "system/fake/FakeDesktop.h"
#include "system/fake/FakeEndpointVolume.h"
#include "system/fake/FakeEnvironment.h"
#include "system/fake/FakeHotKeys.h"
#include "system/fake/FakeIcmpEcho.h"
#include "system/fake/FakeInstances.h"
#include "system/fake/FakeInternetSettings.h"
#include "system/fake/FakeIpHelper.h"
#include "system/fake/FakeMixer.h"
#include "system/fake/FakeMonitorPower.h"
#include "system/fake/FakePowerSource.h"
#include "system/fake/FakeProcesses.h"
#include "system/fake/FakeRegistry.h"
#include "system/fake/FakeSound.h"
#include "system/fake/FakeVersionInfo.h"

namespace sys {

struct FakePlatform {
  FakePlatform();
  // The Platform refers to the members, so the fakes stay where they are.
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  sys::Platform Platform();

  FakePowerSource PowerSource;
  FakeRegistry Registry;
  FakeMixer Mixer;
  FakeHotKeys HotKeys;
  FakeMonitorPower MonitorPower;
  FakeSound Sound;
  FakeProcesses Processes;
  FakeIcmpEcho IcmpEcho;
  FakeVersionInfo VersionInfo;
  FakeEnvironment Environment;
  FakeDesktop Desktop;
  FakeClock Clock;
  FakeInternetSettings InternetSettings;
  FakeIpHelper IpHelper;
  FakeBatteryDevices BatteryDevices;
  FakeEndpointVolume Endpoint;
  FakeInstances Instances;
};

}  // namespace sys
