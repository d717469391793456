#include <gtest/gtest.h>

#include "system/VersionText.h"
#include "system/fake/FakeVersionInfo.h"

namespace {

TEST(VersionText, ChosenPartsJoinedInOrder) {
  sys::FakeVersionInfo version;
  version.Version = std::array<std::uint16_t, 4>{1, 2, 3, 4};
  EXPECT_EQ(sys::GetFileVersionText(version, "C:\\Q\\Quonthary.exe", true, true, true, true),
            "1.2.3.4");
  EXPECT_EQ(sys::GetFileVersionText(version, "x", false, false, false, true), "4");
  EXPECT_EQ(sys::GetFileVersionText(version, "x", true, false, false, true), "1.4");
  EXPECT_EQ(sys::GetFileVersionText(version, "x", false, true, true, false), "2.3");
  EXPECT_EQ(sys::GetFileVersionText(version, "x", false, false, false, false), "");
  EXPECT_EQ(version.Paths.front(), "C:\\Q\\Quonthary.exe");

  version.Version = std::array<std::uint16_t, 4>{65535, 0, 10, 0};
  EXPECT_EQ(sys::GetFileVersionText(version, "x", true, true, true, true), "65535.0.10.0");
}

TEST(VersionText, NoVersionInformation) {
  sys::FakeVersionInfo version;
  version.Version = std::nullopt;
  EXPECT_EQ(sys::GetFileVersionText(version, "x", true, true, true, true), "N/A");
  EXPECT_EQ(sys::GetFileVersionText(version, "x", false, false, false, true), "N/A");
  EXPECT_EQ(sys::GetFileVersionText(version, "x", false, false, false, false), "N/A");
}

}  // namespace
