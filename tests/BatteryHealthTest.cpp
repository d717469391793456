// The battery's health: what the devices report made one reading, wear, the lines of
// health.txt, and the line a day that the battery tick writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "indicator/BatteryHealth.h"
#include "tests/IndicatorFixture.h"

namespace {

using indicator::HealthReading;
using sys::BatteryDeviceInfo;
using testing_support::IndicatorFixture;

constexpr std::uint32_t kSystem = sys::BatterySystemBattery;

BatteryDeviceInfo Battery(std::uint32_t designed, std::uint32_t full, std::uint32_t cycles,
                          std::uint32_t capabilities = kSystem) {
  BatteryDeviceInfo b;
  b.Capabilities = capabilities;
  b.DesignedCapacity = designed;
  b.FullChargedCapacity = full;
  b.CycleCount = cycles;
  return b;
}

TEST(BatteryHealth, WhatTheDevicesReportMadeOneReading) {
  const sys::LocalTime day{2024, 5, 1, 9, 0, 0};
  auto read = [&](std::vector<BatteryDeviceInfo> b) { return indicator::CombineBatteries(b, day); };
  const auto one = read({Battery(48000, 41250, 312)});
  ASSERT_TRUE(one);
  EXPECT_EQ(indicator::HealthLine(*one), "2024-05-01\t48000\t41250\t312");
  EXPECT_EQ(one->WearPercent(), 14);  // 14.06 %
  // Two batteries add up; the cycles are the most counted. A UPS is no laptop battery.
  const auto two = read({Battery(40000, 30000, 100), Battery(20000, 19000, 250),
                         Battery(90000, 1000, 9, kSystem | sys::BatteryIsShortTerm)});
  ASSERT_TRUE(two);
  EXPECT_EQ(indicator::HealthLine(*two), "2024-05-01\t60000\t49000\t250");
  EXPECT_EQ(two->WearPercent(), 18);  // 18.33 %
  // Unknown or relative capacities, or nothing at all: no reading.
  for (const auto& batteries : std::vector<std::vector<BatteryDeviceInfo>>{
           {},
           {Battery(sys::BatteryUnknownCapacity, 30000, 5)},
           {Battery(40000, sys::BatteryUnknownCapacity, 5)},
           {Battery(100, 93, 5, kSystem | sys::BatteryCapacityRelative)},
           {Battery(40000, 30000, 5, 0)}})
    EXPECT_FALSE(read(batteries)) << batteries.size();
  // Wear rounds to the nearest percent and is never below 0.
  EXPECT_EQ((HealthReading{2024, 1, 1, 1000, 995, 0}).WearPercent(), 1);  // 0.5 %
  EXPECT_EQ((HealthReading{2024, 1, 1, 1000, 996, 0}).WearPercent(), 0);
  EXPECT_EQ((HealthReading{2024, 1, 1, 1000, 1030, 0}).WearPercent(), 0);
}

TEST(BatteryHealth, LinesReadBack) {
  const auto r = indicator::ParseHealthLine("2024-05-01\t48000\t41250\t312");
  ASSERT_TRUE(r);
  EXPECT_EQ(indicator::HealthLine(*r), "2024-05-01\t48000\t41250\t312");
  EXPECT_EQ(r->DayNumber() - (HealthReading{2024, 2, 28}).DayNumber(), 63);  // a leap year
  EXPECT_EQ((HealthReading{1970, 1, 1}).DayNumber(), 0);
  for (const char* bad : {"Date\tDesigned[mWh]\tFull[mWh]\tCycles", "2024-05-01\t48000\t41250",
                          "2024-13-01\t48000\t41250\t3", "2024-05-01\t0\t41250\t3",
                          "2024-05-01\t-5\t41250\t3", "2024/05/01\t48000\t41250\t3", ""})
    EXPECT_FALSE(indicator::ParseHealthLine(bad)) << bad;
}

class HealthLog : public IndicatorFixture {
 protected:
  std::string Health() {
    std::ifstream in(dir.Path() / "discharging_log" / "health.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static constexpr const char* kHeader = "Date\tDesigned[mWh]\tFull[mWh]\tCycles\r\n";
};

TEST_F(HealthLog, ALineADayAndAtABatteryPeriodsStartWhenItSaysSomethingNew) {
  // A restart the same day, after a write that failed half-way (the file in its backup).
  std::filesystem::create_directories(dir.Path() / "discharging_log");
  std::ofstream(dir.Path() / "discharging_log" / "health.txt.bak", std::ios::binary)
      << kHeader << "2008-01-05\t48000\t41250\t312\r\n";
  fake.BatteryDevices.Now = {Battery(48000, 41250, 312)};
  Start();
  Tick(59);
  EXPECT_EQ(fake.BatteryDevices.Reads, 0) << "the start loads no device library";
  Tick();
  EXPECT_EQ(fake.BatteryDevices.Reads, 1);
  EXPECT_EQ(Health(), "") << "the same values the same day: nothing new";
  Tick(600);  // the same day: no more looks
  EXPECT_EQ(fake.BatteryDevices.Reads, 1);

  // A battery period begins: looked at again.
  fake.PowerSource.Status = testing_support::OnBattery(90);
  Tick();
  EXPECT_EQ(fake.BatteryDevices.Reads, 2);
  fake.PowerSource.Status = testing_support::OnMains(90);
  fake.BatteryDevices.Now = {Battery(48000, 41100, 313)};
  Tick(3);
  fake.PowerSource.Status = testing_support::OnBattery(90);
  Tick();
  // The next day (after the second the plug message keeps).
  fake.Clock.Local.Day = 6;
  Tick(2);
  EXPECT_EQ(Health(), std::string(kHeader) +
                          "2008-01-05\t48000\t41250\t312\r\n2008-01-05\t48000\t41100\t313\r\n"
                          "2008-01-06\t48000\t41100\t313\r\n");
  // With the log off, or without a battery, nothing is asked.
  const int reads = fake.BatteryDevices.Reads;
  Ind().Cfg.LogWorkTime = false;
  fake.Clock.Local.Day = 7;
  Tick();
  fake.PowerSource.Status = testing_support::NoBattery();
  Ind().Cfg.LogWorkTime = true;
  fake.Clock.Local.Day = 8;
  Tick(3);
  EXPECT_EQ(fake.BatteryDevices.Reads, reads);
}

}  // namespace
