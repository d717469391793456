#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "system/Files.h"
#include "system/WildcardMatch.h"

namespace {

namespace fs = std::filesystem;
using sys::files::ReadAll;

void Plant(const fs::path& p, const std::string& data) {
  std::ofstream(p, std::ios::binary) << data;
}

std::vector<std::string> Names(const std::vector<sys::DirEntry>& entries) {
  std::vector<std::string> names;
  for (const auto& e : entries) names.push_back(e.Name);
  std::sort(names.begin(), names.end());
  return names;
}

const sys::DirEntry* Entry(const std::vector<sys::DirEntry>& entries, const std::string& name) {
  for (const auto& e : entries) {
    if (e.Name == name) return &e;
  }
  return nullptr;
}

// Anything left beside the target (a temporary file) would show up here.
std::vector<std::string> Contents(const testutil::TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir.Native(""))) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(Wildcard, FindFirstFileRules) {
  EXPECT_TRUE(sys::WildcardMatch("*.lng", "Deutsch.LNG"));
  EXPECT_FALSE(sys::WildcardMatch("*.lng", "Deutsch.lng.bak"));
  EXPECT_TRUE(sys::WildcardMatch("?x?.ini", "axb.INI"));
  EXPECT_FALSE(sys::WildcardMatch("?x?.ini", "xb.ini"));
  EXPECT_TRUE(sys::WildcardMatch("a*b*c", "aXXbYYbZc"));
  EXPECT_FALSE(sys::WildcardMatch("a*b*c", "aXXbYYbZ"));
  EXPECT_TRUE(sys::WildcardMatch("*", ".."));
  // "*.*" finds names without a dot, and "name.*" the bare name, as on Windows.
  EXPECT_TRUE(sys::WildcardMatch("*.*", "README"));
  EXPECT_TRUE(sys::WildcardMatch("colors.*", "Colors"));
  EXPECT_FALSE(sys::WildcardMatch("colors.*", "Colorsx"));
  EXPECT_TRUE(sys::WildcardMatch("exact.txt", "EXACT.TXT"));
  EXPECT_FALSE(sys::WildcardMatch("", "a"));
}

TEST(Files, WriteReadExistsDeleteRename) {
  testutil::TempDir dir;
  std::string a = dir.File("a.txt");
  std::string b = dir.File("b.txt");
  EXPECT_FALSE(ReadAll(a).has_value());
  EXPECT_FALSE(sys::files::FileExists(a));

  std::string binary("line1\r\nline2\0\xff", 15);
  sys::files::Write(a, binary);
  EXPECT_EQ(ReadAll(a), binary);
  EXPECT_TRUE(sys::files::FileExists(a));
  EXPECT_FALSE(sys::files::DirectoryExists(a));
  EXPECT_FALSE(ReadAll(dir.Path()).has_value()) << "a folder is not a readable file";
  EXPECT_FALSE(sys::files::FileExists(dir.Path()));
  EXPECT_TRUE(sys::files::DirectoryExists(dir.Path()));

  sys::files::Write(b, "other");
  EXPECT_FALSE(sys::files::Rename(a, b)) << "renaming onto an existing file must fail";
  EXPECT_EQ(ReadAll(b), "other");
  ASSERT_TRUE(sys::files::Delete(b));
  EXPECT_TRUE(sys::files::Rename(a, b));
  EXPECT_EQ(ReadAll(b), binary);
  EXPECT_FALSE(sys::files::FileExists(a));

  EXPECT_TRUE(sys::files::Delete(a)) << "an absent file counts as deleted";
  EXPECT_TRUE(sys::files::CreateDir(dir.File("sub")));
  EXPECT_TRUE(sys::files::CreateDir(dir.File("sub"))) << "an existing folder is fine";
  EXPECT_FALSE(sys::files::Delete(dir.File("sub")));
  EXPECT_FALSE(sys::files::CreateDir(dir.File("missing\\deeper")));
}

TEST(Files, WriteToMissingFolderThrowsWithPath) {
  testutil::TempDir dir;
  std::string p = dir.File("missing\\x.txt");
  try {
    sys::files::Write(p, "x");
    FAIL() << "no error";
  } catch (const sys::FileCreateError& e) {
    std::string prefix = "Cannot create file \"" + p + "\". ";
    EXPECT_EQ(std::string(e.what()).substr(0, prefix.size()), prefix);
    EXPECT_GT(std::string(e.what()).size(), prefix.size()) << "the reason is missing";
  }
}

TEST(Files, WriteReplacingSwapsContentAndLeavesNoTemporaryFile) {
  testutil::TempDir dir;
  std::string p = dir.File("Quonthary.ini");
  sys::files::WriteReplacing(p, "first");
  EXPECT_EQ(ReadAll(p), "first");
  sys::files::WriteReplacing(p, "second, and longer than the first");
  EXPECT_EQ(ReadAll(p), "second, and longer than the first");
  sys::files::WriteReplacing(p, "");
  EXPECT_EQ(ReadAll(p), "");
  EXPECT_EQ(Contents(dir), std::vector<std::string>{"Quonthary.ini"});
}

TEST(Files, WriteReplacingFailureKeepsTarget) {
  testutil::TempDir dir;
  // The target is a folder: the final replace step fails.
  std::string folder = dir.File("target");
  ASSERT_TRUE(sys::files::CreateDir(folder));
  Plant(dir.Native("target") / "inside.txt", "kept");
  EXPECT_THROW(sys::files::WriteReplacing(folder, "new"), sys::FileCreateError);
  EXPECT_TRUE(sys::files::DirectoryExists(folder));
  EXPECT_EQ(ReadAll(dir.File("target\\inside.txt")), "kept");

  // A file marked read-only is not replaced.
  std::string locked = dir.File("locked.ini");
  Plant(dir.Native("locked.ini"), "old contents");
  fs::permissions(dir.Native("locked.ini"), fs::perms::owner_read | fs::perms::group_read);
  try {
    sys::files::WriteReplacing(locked, "new contents");
    FAIL() << "no error";
  } catch (const sys::FileCreateError& e) {
    std::string prefix = "Cannot create file \"" + locked + "\". ";
    EXPECT_EQ(std::string(e.what()).substr(0, prefix.size()), prefix);
  }
  EXPECT_EQ(ReadAll(locked), "old contents");

  // The folder of the target does not exist: the temporary file cannot be made.
  EXPECT_THROW(sys::files::WriteReplacing(dir.File("nowhere\\x.ini"), "x"), sys::FileCreateError);

  EXPECT_EQ(Contents(dir), (std::vector<std::string>{"locked.ini", "target"}));
}

TEST(Files, StampFollowsSizeAndTime) {
  testutil::TempDir dir;
  std::string p = dir.File("s.txt");
  EXPECT_FALSE(sys::files::Stamp(p).has_value());
  sys::files::Write(p, "12345");
  auto first = sys::files::Stamp(p);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->Size, 5u);
  EXPECT_EQ(sys::files::Stamp(p), first);

  auto t = fs::last_write_time(dir.Native("s.txt"));
  fs::last_write_time(dir.Native("s.txt"), t + std::chrono::seconds(10));
  auto later = sys::files::Stamp(p);
  ASSERT_TRUE(later.has_value());
  EXPECT_EQ(later->Size, 5u);
  // Some libraries set file times in whole seconds only.
  EXPECT_GT(later->ModifiedNs - first->ModifiedNs, 9'000'000'000);
  EXPECT_LE(later->ModifiedNs - first->ModifiedNs, 10'000'000'000);
}

TEST(Files, ListMatchesPatternsWithAttributes) {
  testutil::TempDir dir;
  Plant(dir.Native("English.lng"), "a");
  Plant(dir.Native("Deutsch.LNG"), "b");
  Plant(dir.Native("notes.txt"), "c");
  Plant(dir.Native("ab.txt"), "d");
  fs::create_directory(dir.Native("Skin"));
  Plant(dir.Native("readonly.txt"), "e");
  fs::permissions(dir.Native("readonly.txt"), fs::perms::owner_read);

  EXPECT_EQ(Names(sys::files::List(dir.File("*.lng"))),
            (std::vector<std::string>{"Deutsch.LNG", "English.lng"}));
  EXPECT_EQ(Names(sys::files::List(dir.File("??.txt"))), (std::vector<std::string>{"ab.txt"}));
  EXPECT_EQ(Names(sys::files::List(dir.File("NOTES.TXT"))),
            (std::vector<std::string>{"notes.txt"}));
  EXPECT_TRUE(sys::files::List(dir.File("*.wav")).empty());
  EXPECT_TRUE(sys::files::List(dir.File("missing\\*")).empty());

  auto all = sys::files::List(dir.File("*"));
  EXPECT_EQ(Names(all), (std::vector<std::string>{".", "..", "Deutsch.LNG", "English.lng", "Skin",
                                                  "ab.txt", "notes.txt", "readonly.txt"}));
  ASSERT_NE(Entry(all, "Skin"), nullptr);
  EXPECT_TRUE(Entry(all, "Skin")->Attributes & sys::FileAttrDirectory);
  EXPECT_TRUE(Entry(all, ".")->Attributes & sys::FileAttrDirectory);
  EXPECT_FALSE(Entry(all, "notes.txt")->Attributes & sys::FileAttrDirectory);
  EXPECT_FALSE(Entry(all, "notes.txt")->Attributes & sys::FileAttrReadOnly);
  EXPECT_TRUE(Entry(all, "readonly.txt")->Attributes & sys::FileAttrReadOnly);
}

#ifndef _WIN32
// Dot-names are the native build's hidden files; "." and ".." are not.
TEST(Files, DotNamesListAsHidden) {
  testutil::TempDir dir;
  Plant(dir.Native(".hidden"), "x");
  auto all = sys::files::List(dir.File("*"));
  ASSERT_NE(Entry(all, ".hidden"), nullptr);
  EXPECT_TRUE(Entry(all, ".hidden")->Attributes & sys::FileAttrHidden);
  EXPECT_TRUE(Entry(all, ".hidden")->Attributes & sys::FileAttrArchive);
  EXPECT_FALSE(Entry(all, ".")->Attributes & sys::FileAttrHidden);
  EXPECT_FALSE(Entry(all, "..")->Attributes & sys::FileAttrHidden);
}
#endif
