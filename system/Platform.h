// Every platform adapter the program uses, handed around as one bundle.
#pragma once
#include "system/BatteryDevices.h"
#include "system/Clock.h"
#include "system/Desktop.h"
#include "system/EndpointVolume.h"
#include "system/Environment.h"
#include "system/HotKeys.h"
#include "system/IcmpEcho.h"
#include "system/Instances.h"
#include "system/InternetSettings.h"
#include "system/IpHelper.h"
#include "system/Mixer.h"
#include "system/MonitorPower.h"
#include "system/PowerSource.h"
#include "system/Processes.h"
#include "system/Registry.h"
#include "system/Sound.h"
#include "system/VersionInfo.h"

namespace sys {

struct Platform {
  PowerSource& Power;
  Registry& Reg;
  Mixer& Mix;
  HotKeys& Keys;
  MonitorPower& Monitor;
  Sound& Audio;
  Processes& Shell;
  IcmpEcho& Icmp;
  VersionInfo& Version;
  Environment& Env;
  Desktop& Screen;
  Clock& Time;
  InternetSettings& Inet;
  // Last, with the system's own as the default: a bundle made without them uses the system's.
  IpHelper& Ip = SystemIpHelper();
  BatteryDevices& Battery = SystemBatteryDevices();
  // A bundle made without it has the mixer alone, as on Windows XP.
  EndpointVolume& Endpoint = NoEndpointVolume();
  Instances& Instance = SystemInstances();
};

}  // namespace sys
