#include <gtest/gtest.h>

#include "system/fake/FakePlatform.h"

namespace {

using sys::SoundEvent;
using Result = sys::FakeIcmpEcho::Result;

TEST(FakeHotKeys, TakenAndDuplicateCombinationsFail) {
  sys::FakeHotKeys keys;
  keys.Take(sys::ModWin, 0x7B);
  EXPECT_FALSE(keys.Register(7, 44200, sys::ModWin, 0x7B));
  EXPECT_TRUE(keys.Register(7, 44201, sys::ModWin, 0x1B));
  // Only the exact combination is taken.
  EXPECT_TRUE(keys.Register(7, 44208, sys::ModWin | sys::ModControl, 0x1B));
  // A combination registered once cannot be registered again, under any id.
  EXPECT_FALSE(keys.Register(9, 1, sys::ModWin, 0x1B));
  EXPECT_EQ(keys.RegisterCalls.size(), 4u);
  ASSERT_EQ(keys.Registered.size(), 2u);
  EXPECT_FALSE(keys.IsRegistered(7, 44200));
  ASSERT_NE(keys.Find(7, 44208), nullptr);
  EXPECT_EQ(keys.Find(7, 44208)->Modifiers, unsigned(sys::ModWin | sys::ModControl));

  keys.Release(sys::ModWin, 0x7B);
  EXPECT_TRUE(keys.Register(7, 44200, sys::ModWin, 0x7B));
}

TEST(FakeHotKeys, UnregisterFreesTheCombination) {
  sys::FakeHotKeys keys;
  ASSERT_TRUE(keys.Register(7, 44204, sys::ModWin, 0x23));
  EXPECT_FALSE(keys.Unregister(8, 44204));  // another window's id is a different hot key
  EXPECT_TRUE(keys.Unregister(7, 44204));
  EXPECT_FALSE(keys.Unregister(7, 44204));
  EXPECT_FALSE(keys.IsRegistered(7, 44204));
  EXPECT_TRUE(keys.Register(9, 1, sys::ModWin, 0x23));
  EXPECT_EQ(keys.UnregisterCalls.size(), 3u);
}

TEST(FakeIcmpEcho, ScriptThenDefault) {
  sys::FakeIcmpEcho icmp;
  icmp.Push(Result::TimedOut());
  icmp.Push(Result::Failure("socket error"));
  icmp.Push(Result::Reply(56));
  icmp.Default = Result::TimedOut();

  EXPECT_EQ(icmp.Ping("10.0.0.1", 1500, 128), 0);
  try {
    icmp.Ping("10.0.0.1", 1500, 128);
    ADD_FAILURE() << "scripted failure did not throw";
  } catch (const sys::IcmpError& e) {
    EXPECT_STREQ(e.what(), "socket error");
  }
  EXPECT_EQ(icmp.Ping("10.0.0.2", 1500, 128), 56);
  EXPECT_EQ(icmp.Ping("10.0.0.2", 1500, 128), 0);  // script used up: the default
  EXPECT_TRUE(icmp.Script.empty());
  ASSERT_EQ(icmp.Calls.size(), 4u);
  EXPECT_EQ(icmp.Calls[0].TimeoutMs, 1500);
  EXPECT_EQ(icmp.Calls[0].BufferSize, 128);
  EXPECT_EQ(icmp.Hosts(),
            (std::vector<std::string>{"10.0.0.1", "10.0.0.1", "10.0.0.2", "10.0.0.2"}));
}

TEST(FakeIcmpEcho, MalformedHostThrowsWithoutUsingTheScript) {
  sys::FakeIcmpEcho icmp;
  icmp.Push(Result::Reply(70));
  EXPECT_THROW(icmp.Ping("", 1500, 128), sys::IcmpError);
  EXPECT_THROW(icmp.Ping("example.com", 1500, 128), sys::IcmpError);
  EXPECT_EQ(icmp.Ping("127.0.0.1", 1500, 128), 70);
  EXPECT_EQ(icmp.Calls.size(), 3u);

  icmp.CheckHost = false;
  EXPECT_EQ(icmp.Ping("example.com", 1500, 128), 64);
}

TEST(FakeMixer, ValueCallsNeedAnOpenHandleAndAKnownControl) {
  sys::FakeMixer mixer;
  mixer.AddSpeakerControls(1000, true);
  EXPECT_FALSE(mixer.GetValue(0, 1));

  auto handle = mixer.Open(55);
  ASSERT_TRUE(handle);
  EXPECT_EQ(mixer.NotifyWindow, 55u);
  auto volume =
      mixer.FindControl(*handle, sys::MixerComponentDstSpeakers, sys::MixerControlTypeVolume);
  ASSERT_TRUE(volume);
  EXPECT_EQ(volume->Maximum, 65535u);
  EXPECT_FALSE(mixer.FindControl(*handle, 5, sys::MixerControlTypeVolume));  // other line
  EXPECT_EQ(mixer.GetValue(*handle, 2), 1u);
  EXPECT_FALSE(mixer.GetValue(*handle, 3));

  EXPECT_TRUE(mixer.SetValue(*handle, volume->ControlId, 2000));
  mixer.FailSet = true;
  EXPECT_FALSE(mixer.SetValue(*handle, volume->ControlId, 3000));
  mixer.FailGet = true;
  EXPECT_FALSE(mixer.GetValue(*handle, volume->ControlId));
  mixer.FailGet = mixer.FailSet = false;
  EXPECT_EQ(mixer.GetValue(*handle, volume->ControlId), 2000u);
  EXPECT_EQ(mixer.SetCalls.size(), 1u);

  mixer.Close(*handle);
  EXPECT_FALSE(mixer.GetValue(*handle, volume->ControlId));
  EXPECT_FALSE(mixer.SetValue(*handle, volume->ControlId, 1));

  mixer.DeviceCount = 0;
  EXPECT_FALSE(mixer.Open(55));
}

TEST(FakeDesktop, FindsWindowsByClassAndParent) {
  sys::FakeDesktop desktop;
  sys::WindowHandle tray = desktop.AddTaskbar();
  sys::WindowHandle bar = desktop.FindWindow("shell_traywnd");  // classes ignore case
  ASSERT_NE(bar, 0u);
  EXPECT_EQ(desktop.FindChildWindow(bar, "TrayNotifyWnd"), tray);
  EXPECT_EQ(desktop.FindWindow("TrayNotifyWnd"), 0u);  // not a top-level window
  EXPECT_EQ(desktop.WindowRect(tray), (sys::Rect{874, 740, 1022, 766}));
  EXPECT_FALSE(desktop.WindowRect(0));

  // A child shows only while its parents do, as IsWindowVisible says.
  EXPECT_TRUE(desktop.WindowVisible(tray));
  desktop.Find(bar)->Visible = false;
  EXPECT_FALSE(desktop.WindowVisible(tray));

  desktop.RemoveWindow(bar);
  EXPECT_EQ(desktop.FindWindow("Shell_TrayWnd"), 0u);
  EXPECT_FALSE(desktop.WindowRect(tray));  // children go with their parent
  EXPECT_FALSE(desktop.WindowVisible(tray));
}

TEST(FakePlatform, WiresEveryFakeAndRecordsPausesAmongSounds) {
  sys::FakePlatform fake;
  sys::Platform platform = fake.Platform();
  platform.Audio.Beep(760, 60);
  platform.Time.Sleep(60);
  platform.Audio.Beep(900, 60);
  platform.Audio.PlaySound("Sound\\x.wav", sys::PlaySoundFileAsyncFlags);
  platform.Audio.MessageBeep(0);
  EXPECT_EQ(fake.Sound.Events,
            (std::vector<SoundEvent>{SoundEvent::Tone(760, 60), SoundEvent::Silence(60),
                                     SoundEvent::Tone(900, 60), SoundEvent::File("Sound\\x.wav"),
                                     SoundEvent::SystemBeep(0)}));
  EXPECT_EQ(fake.Clock.TickCount(), 1000060u);
  EXPECT_EQ(fake.Clock.SleptMs, 60u);

  sys::SystemPowerStatus status;
  fake.PowerSource.Status.BatteryLifePercent = 42;
  EXPECT_TRUE(platform.Power.GetSystemPowerStatus(status));
  EXPECT_EQ(status.BatteryLifePercent, 42);
  fake.PowerSource.Fail = true;
  status.BatteryLifePercent = 7;
  EXPECT_FALSE(platform.Power.GetSystemPowerStatus(status));
  EXPECT_EQ(status.BatteryLifePercent, 7);

  EXPECT_EQ(&platform.Reg, static_cast<sys::Registry*>(&fake.Registry));
  EXPECT_EQ(&platform.Mix, static_cast<sys::Mixer*>(&fake.Mixer));
  EXPECT_EQ(&platform.Keys, static_cast<sys::HotKeys*>(&fake.HotKeys));
  EXPECT_EQ(&platform.Monitor, static_cast<sys::MonitorPower*>(&fake.MonitorPower));
  EXPECT_EQ(&platform.Shell, static_cast<sys::Processes*>(&fake.Processes));
  EXPECT_EQ(&platform.Icmp, static_cast<sys::IcmpEcho*>(&fake.IcmpEcho));
  EXPECT_EQ(&platform.Version, static_cast<sys::VersionInfo*>(&fake.VersionInfo));
  EXPECT_EQ(&platform.Env, static_cast<sys::Environment*>(&fake.Environment));
  EXPECT_EQ(&platform.Screen, static_cast<sys::Desktop*>(&fake.Desktop));
}

TEST(FakeProcesses, RunsTheStandInOnlyForAStartedProgram) {
  sys::FakeProcesses shell;
  std::vector<std::string> ran;
  shell.RunAsProcess = [&](const sys::FakeProcesses::ExecuteCall& call) {
    ran.push_back(call.File);
  };
  EXPECT_EQ(shell.ShellExecuteAndWait("C:\\t\\qth_run.bat", "", "", sys::ShowMinimized, true), 42);
  shell.ExecuteResult = 2;
  EXPECT_EQ(shell.ShellExecuteAndWait("C:\\t\\missing.bat", "", "", sys::ShowMinimized, true), 2);
  EXPECT_EQ(ran, std::vector<std::string>{"C:\\t\\qth_run.bat"});
  ASSERT_EQ(shell.ExecuteCalls.size(), 2u);
  EXPECT_EQ(shell.ExecuteCalls[0].Show, sys::ShowMinimized);
  EXPECT_TRUE(shell.ExecuteCalls[0].Wait);
}

}  // namespace
