#include <gtest/gtest.h>

#include "system/Environment.h"

TEST(Environment, DirectoryAndExtension) {
  EXPECT_EQ(sys::DirectoryOf("C:\\Program Files\\Q\\Quonthary.exe"), "C:\\Program Files\\Q\\");
  EXPECT_EQ(sys::DirectoryOf("/opt/q/Quonthary.exe"), "/opt/q/");
  EXPECT_EQ(sys::DirectoryOf("Quonthary.exe"), "");
  EXPECT_EQ(sys::ChangeFileExt("C:\\Q\\Quonthary.exe", ".ini"), "C:\\Q\\Quonthary.ini");
  EXPECT_EQ(sys::ChangeFileExt("C:\\Q.d\\Quonthary", ".ini"), "C:\\Q.d\\Quonthary.ini");
}
