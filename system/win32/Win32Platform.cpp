#include "system/Win32Platform.h"

#include "system/win32/Win32Clock.h"
#include "system/win32/Win32Desktop.h"
#include "system/win32/Win32EndpointVolume.h"
#include "system/win32/Win32Environment.h"
#include "system/win32/Win32HotKeys.h"
#include "system/win32/Win32IcmpEcho.h"
#include "system/win32/Win32InternetSettings.h"
#include "system/win32/Win32Mixer.h"
#include "system/win32/Win32MonitorPower.h"
#include "system/win32/Win32PowerSource.h"
#include "system/win32/Win32Processes.h"
#include "system/win32/Win32Sound.h"
#include "system/win32/Win32VersionInfo.h"

namespace sys {

namespace {

struct Win32Adapters {
  Win32PowerSource Power;
  std::unique_ptr<Registry> Reg = CreateWin32Registry();
  Win32Mixer Mix;
  Win32HotKeys Keys;
  Win32MonitorPower Monitor;
  Win32Sound Audio;
  Win32Processes Shell;
  Win32IcmpEcho Icmp;
  Win32VersionInfo Version;
  Win32Environment Env;
  Win32Desktop Screen;
  Win32Clock Time;
  Win32InternetSettings Inet;
  Win32EndpointVolume Endpoint;
  Platform Bundle{Power,
                  *Reg,
                  Mix,
                  Keys,
                  Monitor,
                  Audio,
                  Shell,
                  Icmp,
                  Version,
                  Env,
                  Screen,
                  Time,
                  Inet,
                  SystemIpHelper(),
                  SystemBatteryDevices(),
                  Endpoint};
};

}  // namespace

Platform& Win32Platform() {
  static Win32Adapters adapters;
  return adapters.Bundle;
}

}  // namespace sys
