#include <gtest/gtest.h>

#include <cstdint>

#include "settings/IniFile.h"
#include "settings/IntegerText.h"

using settings::IniFile;
using settings::IntOrDefault;
using settings::ParseInteger;

TEST(IniFile, ReadingTrimsAndSkips) {
  auto ini = IniFile::Parse(
      "orphan=before any section\r\n"
      "[Quonthary]\r\n"
      "   Alpha   =   200   \r\n"
      ";  Alpha = 1\r\n"
      "   ; StayOnTop=0\r\n"
      "\r\n"
      "no equals sign here\r\n"
      "=empty key\r\n"
      "ConnectionIP=a=b\r\n"
      "Empty=\r\n"
      "\t[  Colors  ]\t\r\n"
      "WhenCharging=16777215\r\n");
  EXPECT_EQ(ini.Get("Quonthary", "Alpha"), "200");
  EXPECT_EQ(ini.Get("Quonthary", "ConnectionIP"), "a=b") << "only the first = splits";
  EXPECT_EQ(ini.Get("Quonthary", "Empty"), "");
  EXPECT_FALSE(ini.Get("Quonthary", "StayOnTop").has_value()) << "comment line was read";
  EXPECT_FALSE(ini.Get("Quonthary", "orphan").has_value());
  EXPECT_FALSE(ini.Get("Quonthary", "no equals sign here").has_value());
  EXPECT_EQ(ini.Get("Colors", "WhenCharging"), "16777215");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Quonthary", "Colors"}));
  EXPECT_EQ(ini.Entries("Quonthary").size(), 3u);
}

TEST(IniFile, NamesIgnoreCaseAndKeepFirstSpelling) {
  auto ini = IniFile::Parse("[Quonthary]\nStayOnTop=1\n[QUONTHARY]\nstayontop=0\nAlpha=9\n");
  EXPECT_EQ(ini.Get("quonthary", "STAYONTOP"), "1") << "the first copy of a key wins";
  EXPECT_EQ(ini.Get("Quonthary", "alpha"), "9");
  EXPECT_EQ(ini.SectionNames(), std::vector<std::string>{"Quonthary"});

  ini.Set("QUONTHARY", "ALPHA", "10");
  ini.Set("ipchanger12", "Used", "1");
  EXPECT_EQ(ini.Serialize(),
            "[Quonthary]\r\nStayOnTop=1\r\nAlpha=10\r\n\r\n"
            "[ipchanger12]\r\nUsed=1\r\n\r\n");

  // As many sections and keys as a full set of profiles: each found in any case, in order.
  IniFile big;
  for (int i = 0; i < 300; ++i)
    big.Set("Profile" + std::to_string(i % 40), "Key" + std::to_string(i), std::to_string(i));
  for (int i = 0; i < 300; ++i)
    EXPECT_EQ(big.Get("PROFILE" + std::to_string(i % 40), "kEY" + std::to_string(i)),
              std::to_string(i));
  EXPECT_EQ(big.SectionNames().size(), 40u);
  EXPECT_EQ(big.Entries("profile7").front().first, "Key7");
  EXPECT_EQ(big.Get("Profile7", "Key8"), std::nullopt);
}

TEST(IniFile, KnowsWhetherItReadsBackAsIs) {
  struct Case {
    const char *Section, *Key, *Value;
    bool AsIs;
  };
  const Case cases[] = {
      {"Quonthary", "Alpha", "200", true},     {"quonthary", "Name", "Office 2", true},
      {"IPChanger3", "Name", "", true},        {"Quonthary", "Name", "a\r\nb", true},
      {"Quonthary", "Name", " Office", false}, {"Quonthary", "Name", "Office\t", false},
      {"Quonthary", "A=B", "1", false},        {"Quonthary", ";Note", "1", false},
      {"Quonthary", "[x", "y]", false},        {"Quonthary", " Alpha", "1", false},
      {"Quonthary", "", "1", false},           {" Quonthary", "Alpha", "1", false},
      {"Quo\nthary", "Alpha", "1", false},     {"Quonthary", "Name", "a\nb", true},
  };
  for (const Case& c : cases) {
    IniFile ini = IniFile::Parse("[Quonthary]\r\nBeta=2\r\n");
    ini.Set(c.Section, c.Key, c.Value);
    const std::string text = ini.Serialize();
    const IniFile again = IniFile::Parse(text);
    const bool same =
        again.Serialize() == text && again.Get(c.Section, c.Key) == ini.Get(c.Section, c.Key);
    EXPECT_EQ(ini.ReadsBackAsIs(), c.AsIs) << c.Section << "/" << c.Key << "/" << c.Value;
    EXPECT_EQ(same, c.AsIs) << c.Section << "/" << c.Key << "/" << c.Value;
  }
  // Whatever was read reads back: names that a Set would have to check came from lines.
  const IniFile read = IniFile::Parse("[A]\r\n[b=c]d\r\ne\rf=1\r\n");
  EXPECT_TRUE(read.ReadsBackAsIs());
  EXPECT_EQ(IniFile::Parse(read.Serialize()).Serialize(), read.Serialize());
}

TEST(IniFile, LfOnlyAndCrLfReadAlike) {
  std::string crlf = "[A]\r\nk=v\r\n\r\n[B]\r\nx=1\r\n\r\n";
  std::string lf = "[A]\nk=v\n\n[B]\nx=1\n";
  EXPECT_EQ(IniFile::Parse(lf).Serialize(), crlf);
  EXPECT_EQ(IniFile::Parse(crlf).Serialize(), crlf);
  EXPECT_EQ(IniFile::Parse("").Serialize(), "");
}

TEST(IniFile, WritesKeepOrderAndPlaces) {
  auto ini = IniFile::Parse(
      "[Quonthary]\r\nLanguageFile=\r\nLeft=-999\r\nTop=-999\r\n"
      "; a comment\r\n[Colors]\r\nWhenCharging=1\r\n");
  ini.Set("Quonthary", "Left", "40");              // existing key keeps its place
  ini.Set("Colors", "VolumeChanging", "65535");    // new key at the end of its section
  ini.Set("IPChanger_Connections", "Count", "0");  // new section at the end
  ini.Set("Quonthary", "Percentage", "1");
  ini.Set("Quonthary", "Name", " padded ");  // stored as given; reading back trims
  EXPECT_EQ(ini.Serialize(),
            "[Quonthary]\r\nLanguageFile=\r\nLeft=40\r\nTop=-999\r\nPercentage=1\r\n"
            "Name= padded \r\n\r\n"
            "[Colors]\r\nWhenCharging=1\r\nVolumeChanging=65535\r\n\r\n"
            "[IPChanger_Connections]\r\nCount=0\r\n\r\n");
  EXPECT_EQ(IniFile::Parse(ini.Serialize()).Get("Quonthary", "Name"), "padded");
}

TEST(IniFile, LineBreaksInValuesCannotInjectLines) {
  IniFile ini;
  ini.Set("IPChanger3", "ProfileName", "Home\r\n[Quonthary_SETTINGS]\r\nKeep=0");
  auto text = ini.Serialize();
  auto back = IniFile::Parse(text);
  EXPECT_EQ(back.SectionNames(), std::vector<std::string>{"IPChanger3"});
  EXPECT_EQ(back.Get("IPChanger3", "ProfileName"), "Home  [Quonthary_SETTINGS]  Keep=0");
}

TEST(IniFile, EightBitTextSurvives) {
  IniFile ini;
  ini.Set("IPChanger_Connections", "0", "LAN-Verbindung \xe4\xf6\xfc \xa0x");
  auto back = IniFile::Parse(ini.Serialize());
  EXPECT_EQ(back.Get("IPChanger_Connections", "0"), "LAN-Verbindung \xe4\xf6\xfc \xa0x");
}

TEST(IntegerText, DecimalAndHexForms) {
  EXPECT_EQ(ParseInteger("0x10"), 16);
  EXPECT_EQ(ParseInteger("0X1f"), 31);
  EXPECT_EQ(ParseInteger("$1F"), 31);
  EXPECT_EQ(ParseInteger("-5"), -5);
  EXPECT_EQ(ParseInteger("+7"), 7);
  EXPECT_EQ(ParseInteger("-$10"), -16);
  EXPECT_EQ(ParseInteger("16777215"), 16777215);
  EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1) << "hexadecimal is the 32-bit pattern";
  EXPECT_EQ(ParseInteger("007"), 7);
}

TEST(IntegerText, JunkAndRangeGiveNothing) {
  for (const char* bad :
       {"", "12abc", "abc", "-", "+", "0x", "$", "1 2", " 1", "1 ", "0x1G", "2147483648",
        "-2147483649", "$100000000", "99999999999999999999", "1.5", "--1", "0x-1"}) {
    EXPECT_FALSE(ParseInteger(bad).has_value()) << '"' << bad << '"';
  }
  EXPECT_EQ(IntOrDefault("abc", 1), 1);
  EXPECT_EQ(IntOrDefault("", -999), -999);
  EXPECT_EQ(IntOrDefault("0", 1), 0);
  EXPECT_EQ(IntOrDefault("12abc", 5), 5);
}

TEST(IntegerText, ZeroPaddedWritesAsPrintfWould) {
  using settings::ZeroPadded;
  EXPECT_EQ(ZeroPadded(7, 2), "07");
  EXPECT_EQ(ZeroPadded(2026, 4), "2026");
  EXPECT_EQ(ZeroPadded(123456, 2), "123456");  // never cut
  EXPECT_EQ(ZeroPadded(0, 3), "000");
  EXPECT_EQ(ZeroPadded(-5, 3), "-05");  // the sign counts in the width
  EXPECT_EQ(ZeroPadded(-5, 0), "-5");
  EXPECT_EQ(ZeroPadded(INT64_MIN, 1), "-9223372036854775808");
}
