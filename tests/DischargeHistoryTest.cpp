// The discharge log read back: a file's lines as a period, what is refused, the charge used,
// the rate and the runtime from full, and the folder followed as the program writes it.
#include <gtest/gtest.h>

#include "indicator/DischargeHistory.h"
#include "system/Files.h"
#include "tests/TempDir.h"

namespace {

using indicator::DischargeLogReader;
using indicator::DischargePeriod;
using indicator::ParseDischargeLog;

const std::string kHead = "Perc[%]\tTime[s]\tTime\r\n";

std::string Line(int percent, int seconds, const std::string& duration) {
  char text[64];
  std::snprintf(text, sizeof text, "%s%03d\t%06d\t", percent < 0 ? "-" : "",
                percent < 0 ? -percent : percent, seconds);
  return text + duration + "\r\n";
}

// A log as the program writes it: a line every 36 seconds per percent, from 97 % down.
std::string Log(int lines, int first = 97) {
  std::string text = kHead;
  for (int i = 0; i < lines; ++i) {
    const int s = i * 360;
    char d[16];
    std::snprintf(d, sizeof d, "%d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
    text += Line(first - i, s, d);
  }
  return text;
}

TEST(DischargeLog, AFileAsTheProgramWritesIt) {
  const auto p = ParseDischargeLog("20080105_143012.txt",
                                   kHead + Line(97, 0, "0:00:00") + Line(96, 142, "0:02:22") +
                                       Line(95, 301, "0:05:01") + Line(95, 333, "0:05:33"));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Start.Year, 2008);
  EXPECT_EQ(p->Start.Month, 1);
  EXPECT_EQ(p->Start.Day, 5);
  EXPECT_EQ(p->Start.Hour, 14);
  EXPECT_EQ(p->Start.Minute, 30);
  EXPECT_EQ(p->Start.Second, 12);
  ASSERT_EQ(p->Samples.size(), 4u);
  EXPECT_EQ(p->Samples[1].Seconds, 142);
  EXPECT_EQ(p->Samples[1].Percent, 96);
  EXPECT_EQ(p->LengthSeconds(), 333);
  EXPECT_EQ(p->ChargeUsed(), 2);
  // 2 % in 333 s: 21.6 % per hour, a full battery in 4:37:30.
  ASSERT_TRUE(p->RatePerHour());
  EXPECT_NEAR(*p->RatePerHour(), 21.62, 0.01);
  EXPECT_EQ(*p->RuntimeFromFullSeconds(), 16650);
}

TEST(DischargeLog, WhatIsNoPeriod) {
  const std::string good = Line(80, 0, "0:00:00");
  const std::pair<const char*, std::string> refused[] = {
      {"no header", good},
      {"another header", "Perc\tTime\r\n" + good},
      {"only the header", kHead},
      {"two fields", kHead + "080\t000000\r\n"},
      {"letters for a number", kHead + "8O\t000000\t0:00:00\r\n"},
      {"no duration", kHead + "080\t000000\tsoon\r\n"},
      {"a charge over 100", kHead + "101\t000000\t0:00:00\r\n"},
      {"time going back", kHead + Line(80, 100, "0:01:40") + Line(79, 50, "0:00:50")},
      {"only unknown charge", kHead + Line(-1, 0, "0:00:00")},
      {"a number too long for its field", kHead + "080\t99999999999\t0:00:00\r\n"},
  };
  for (const auto& [what, text] : refused)
    EXPECT_FALSE(ParseDischargeLog("20080105_143012.txt", text)) << what;
  for (const char* name : {"notes.txt", "20081305_143012.txt", "20080105_143012.log",
                           "20080105-143012.txt", "20080105_146012.txt"})
    EXPECT_FALSE(ParseDischargeLog(name, kHead + good)) << name;

  // What the program writes besides: LF endings, an unknown charge, blank lines at the end.
  const auto p = ParseDischargeLog("20080105_143012.TXT",
                                   "Perc[%]\tTime[s]\tTime\n-001\t000000\t0:00:00\n"
                                   "080\t000010\t0:00:10\n\r\n\n");
  ASSERT_TRUE(p);
  ASSERT_EQ(p->Samples.size(), 1u);
  EXPECT_EQ(p->Samples[0].Seconds, 10);
}

TEST(DischargeLog, RatesNeedFiveMinutesAndAPercent) {
  DischargePeriod p;
  p.Samples = {{0, 90}, {299, 89}};
  EXPECT_FALSE(p.RatePerHour());  // too short to say
  p.Samples = {{0, 90}, {300, 90}};
  EXPECT_FALSE(p.RatePerHour());  // nothing used yet
  EXPECT_FALSE(p.RuntimeFromFullSeconds());
  p.Samples = {{0, 90}, {3600, 70}};
  EXPECT_DOUBLE_EQ(*p.RatePerHour(), 20.0);
  EXPECT_EQ(*p.RuntimeFromFullSeconds(), 5 * 3600);
  // Charging on battery cannot be; a rise counts as nothing used.
  p.Samples = {{0, 50}, {3600, 60}};
  EXPECT_EQ(p.ChargeUsed(), 0);
  // The rate counts from the first known charge.
  p.Samples = {{1800, 90}, {3600, 80}};
  EXPECT_DOUBLE_EQ(*p.RatePerHour(), 20.0);
}

class DischargeFolder : public testing::Test {
 protected:
  std::string Folder() { return dir.Path() + "\\"; }
  void Put(const std::string& name, const std::string& text) {
    sys::files::Write(dir.File(name), text);
  }
  testutil::TempDir dir;
};

TEST_F(DischargeFolder, TheNewestPeriodsOldestFirstAndTheFilesThatCannotBeRead) {
  Put("20080101_080000.txt", Log(3));
  Put("20080102_080000.txt", Log(4));
  Put("20080103_080000.txt", "garbage");
  Put("20080104_080000.txt", Log(5));
  Put("20080104_080000.txt.bak", Log(4));  // the state before the last line: not a period
  Put("readme.txt", "not a log");
  sys::files::CreateDir(dir.File("20080105_080000.txt"));  // a folder of that name
  Put("other.log", "not looked at");
  DischargeLogReader reader(Folder(), 2);
  EXPECT_TRUE(reader.Refresh());
  const auto& h = reader.History();
  // The two newest that read as periods: readme.txt and the garbage came first and count.
  ASSERT_EQ(h.Periods.size(), 2u);
  EXPECT_EQ(h.Periods[0].FileName, "20080102_080000.txt");
  EXPECT_EQ(h.Periods[1].FileName, "20080104_080000.txt");
  EXPECT_EQ(h.Periods[1].Samples.size(), 5u);
  EXPECT_EQ(h.Skipped, 2);

  DischargeLogReader all(Folder(), 10);
  all.Refresh();
  EXPECT_EQ(all.History().Periods.size(), 3u);
  EXPECT_EQ(all.History().Skipped, 2);

  DischargeLogReader none(Folder() + "missing\\", 5);
  EXPECT_TRUE(none.Refresh());  // the first look always tells
  EXPECT_TRUE(none.History().Periods.empty());
  EXPECT_FALSE(none.Refresh());
}

TEST_F(DischargeFolder, FollowsTheLogAsItIsWritten) {
  Put("20080104_080000.txt", Log(2));
  DischargeLogReader reader(Folder(), 5);
  EXPECT_TRUE(reader.Refresh());
  EXPECT_FALSE(reader.Refresh());  // nothing new
  ASSERT_EQ(reader.History().Periods.size(), 1u);

  // A line more, the program's way: the file moves to ".bak", the new one follows. Caught
  // in between, the reader takes the ".bak".
  ASSERT_TRUE(
      sys::files::Rename(dir.File("20080104_080000.txt"), dir.File("20080104_080000.txt.bak")));
  EXPECT_FALSE(reader.Refresh());
  EXPECT_EQ(reader.History().Periods.size(), 1u);
  EXPECT_EQ(reader.History().Skipped, 0);
  Put("20080104_080000.txt", Log(3));
  EXPECT_TRUE(reader.Refresh());
  EXPECT_EQ(reader.History().Periods[0].Samples.size(), 3u);

  // A new period begins.
  Put("20080104_120000.txt", Log(1, 100));
  EXPECT_TRUE(reader.Refresh());
  ASSERT_EQ(reader.History().Periods.size(), 2u);
  EXPECT_EQ(reader.History().Periods[1].FileName, "20080104_120000.txt");
  // A file spoilt since: counted, and said.
  Put("20080104_080000.txt", "spoilt");
  EXPECT_TRUE(reader.Refresh());
  EXPECT_EQ(reader.History().Periods.size(), 1u);
  EXPECT_EQ(reader.History().Skipped, 1);
}

}  // namespace
