#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "../TempDir.h"
#include "system/Files.h"

namespace {
namespace fs = std::filesystem;
}

TEST(Win32Files, FailedReplaceKeepsFileAndGivesSystemReason) {
  testutil::TempDir dir;
  std::string p = dir.File("Quonthary.ini");
  sys::files::WriteReplacing(p, "[A]\r\nk=1\r\n\r\n");
  fs::permissions(dir.Native("Quonthary.ini"), fs::perms::owner_read);
  try {
    sys::files::WriteReplacing(p, "[A]\r\nk=2\r\n\r\n");
    FAIL() << "replacing a read-only file succeeded";
  } catch (const sys::FileCreateError& e) {
    std::string text = e.what();
    std::string prefix = "Cannot create file \"" + p + "\". ";
    ASSERT_EQ(text.substr(0, prefix.size()), prefix);
    std::string reason = text.substr(prefix.size());
    EXPECT_FALSE(reason.empty());
    EXPECT_NE(reason.back(), '\n');
    EXPECT_NE(reason.back(), '.');
  }
  EXPECT_EQ(sys::files::ReadAll(p), "[A]\r\nk=1\r\n\r\n");
  auto entries = sys::files::List(dir.File("*"));
  for (const auto& e : entries) {
    if (e.Name == "Quonthary.ini") {
      EXPECT_TRUE(e.Attributes & sys::FileAttrReadOnly);
    } else if (e.Name == "." || e.Name == "..") {
      EXPECT_TRUE(e.Attributes & sys::FileAttrDirectory);
    } else {
      ADD_FAILURE() << "left behind: " << e.Name;
    }
  }
}

TEST(Win32Files, StampUsesTheLibraryClock) {
  testutil::TempDir dir;
  std::string p = dir.File("s.txt");
  sys::files::Write(p, "abc");
  auto stamp = sys::files::Stamp(p);
  ASSERT_TRUE(stamp.has_value());
  auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                 std::chrono::system_clock::now().time_since_epoch())
                 .count();
  EXPECT_LT(std::llabs(now - stamp->ModifiedNs), 60'000'000'000LL);
}

TEST(Win32Files, ListUsesDriveLetterPaths) {
  testutil::TempDir dir;
  sys::files::Write(dir.File("English.lng"), "x");
  sys::files::Write(dir.File("Deutsch.lng"), "y");
  sys::files::Write(dir.File("readme.txt"), "z");
  ASSERT_EQ(dir.Path().substr(1, 2), ":\\");
  auto entries = sys::files::List(dir.File("*.LNG"));
  std::vector<std::string> names;
  for (const auto& e : entries) names.push_back(e.Name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Deutsch.lng", "English.lng"}));
}
