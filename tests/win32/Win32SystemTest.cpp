#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "system/Win32Platform.h"
#include "system/win32/Win32Clock.h"
#include "system/win32/Win32Environment.h"
#include "system/win32/Win32PowerSource.h"
#include "system/win32/Win32VersionInfo.h"
#include "tests/win32/TempFiles.h"

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

TEST(Win32PowerSource, ReadsAConsistentRecord) {
  sys::Win32PowerSource power;
  sys::SystemPowerStatus status;
  status.Reserved1 = 0xAA;
  status.BatteryLifeTime = -12345;
  ASSERT_TRUE(power.GetSystemPowerStatus(status));
  EXPECT_TRUE(status.ACLineStatus <= 1 || status.ACLineStatus == 255);
  EXPECT_NE(status.BatteryLifeTime, -12345);
  if (status.BatteryFlag & 128) {
    // No system battery, as wine reports on a machine without one.
    EXPECT_EQ(status.BatteryLifePercent, 255);
  } else {
    EXPECT_TRUE(status.BatteryLifePercent <= 100 || status.BatteryLifePercent == 255);
  }
  RecordProperty("BatteryFlag", status.BatteryFlag);
}

TEST(Win32Environment, PathsOfTheRunningProgram) {
  sys::Win32Environment env;
  std::string exe = env.ExePath();
  ASSERT_GT(exe.size(), 4u);
  EXPECT_EQ(Lower(exe.substr(exe.size() - 4)), ".exe");
  EXPECT_TRUE(std::filesystem::exists(exe)) << exe;
  EXPECT_NE(Lower(exe).find("quonthary_tests"), std::string::npos) << exe;

  std::string temp = env.TempPath();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_TRUE(std::filesystem::is_directory(temp)) << temp;
}

TEST(Win32VersionInfo, ReadsTheFixedFileVersion) {
  sys::Win32VersionInfo version;
  auto own = version.FileVersion(sys::Win32Environment().ExePath());
  ASSERT_TRUE(own);
  EXPECT_EQ(*own, (std::array<std::uint16_t, 4>{1, 0, 0, 1}));
  // Another file through the system's version library: the program beside the tests.
  const std::string exe = sys::Win32Environment().ExePath();
  const std::string testDir = exe.substr(0, exe.find_last_of('\\'));
  const std::string program = testDir.substr(0, testDir.find_last_of('\\') + 1) + "Quonthary.exe";
  EXPECT_EQ(version.FileVersion(program), own) << program;

  TempFiles files;
  EXPECT_FALSE(version.FileVersion(files.Write("plain.txt", {"no resources here"})));
  EXPECT_FALSE(version.FileVersion(files.Path("missing.exe")));
  EXPECT_FALSE(version.FileVersion(""));
}

TEST(Win32Clock, TimeAndTicksAreSane) {
  sys::Win32Clock clock;
  sys::LocalTime now = clock.Now();
  EXPECT_GE(now.Year, 2020);
  EXPECT_TRUE(now.Month >= 1 && now.Month <= 12);
  EXPECT_TRUE(now.Day >= 1 && now.Day <= 31);
  EXPECT_TRUE(now.Hour >= 0 && now.Hour <= 23);
  EXPECT_TRUE(now.Minute >= 0 && now.Minute <= 59);
  EXPECT_TRUE(now.Second >= 0 && now.Second <= 60);

  std::uint32_t before = clock.TickCount();
  clock.Sleep(100);
  std::uint32_t slept = clock.TickCount() - before;  // unsigned: right across the wrap too
  EXPECT_GE(slept, 50u);
  EXPECT_LT(slept, 60000u);
}

TEST(Win32Platform, OneBundleForTheProcess) {
  sys::Platform& platform = sys::Win32Platform();
  EXPECT_EQ(&platform, &sys::Win32Platform());
  EXPECT_EQ(&platform.Env, &sys::Win32Platform().Env);
  EXPECT_EQ(platform.Env.ExePath(), sys::Win32Environment().ExePath());
  EXPECT_GT(platform.Screen.ScreenWidth(), 0);
}

}  // namespace
