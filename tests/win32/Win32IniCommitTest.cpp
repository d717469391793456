// The INI commit on a real Windows file system: the replaced file keeps its attributes and
// its security descriptor, and a folder where no new file can be made still gets the file
// written in place.
#include <gtest/gtest.h>

#include <windows.h>

#include <sddl.h>

#include <filesystem>

#include "../TempDir.h"
#include "settings/SettingsStore.h"
#include "system/FileLayer.h"
#include "system/fake/FakeRegistry.h"
#include "system/fake/FaultyFileLayer.h"

namespace {

// Everyone may do anything: not what a new file gets (and one that wine, which keeps a
// file's access list as its Unix permissions, can hold).
const char kDacl[] = "D:P(A;;FA;;;WD)";

std::string DaclOf(const std::string& path) {
  DWORD size = 0;
  GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
  std::vector<char> buf(size ? size : 1);
  if (!GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, buf.data(), size, &size))
    return "<unreadable>";
  char* text = nullptr;
  if (!ConvertSecurityDescriptorToStringSecurityDescriptorA(
          buf.data(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr))
    return "<unconvertible>";
  std::string out = text;
  LocalFree(text);
  return out;
}

bool SetDacl(const std::string& path, const char* sddl) {
  PSECURITY_DESCRIPTOR sd = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr))
    return false;
  const bool ok = SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, sd) != FALSE;
  LocalFree(sd);
  return ok;
}

class Win32IniCommit : public testing::Test {
 protected:
  void SetUp() override {
    path = dir.File("Quonthary.ini");
    sys::files::Write(path, "[Quonthary]\r\nLeft=10\r\n\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(SetDacl(path.c_str(), kDacl));
    dacl = DaclOf(path);
    ASSERT_EQ(dacl.rfind("D:", 0), 0u) << dacl;
    // Not what a file made afresh gets, so keeping it means something.
    const std::string fresh = dir.File("fresh.ini");
    sys::files::Write(fresh, "");
    ASSERT_NE(DaclOf(fresh), dacl);
    sys::files::Delete(fresh);
  }
  void Commit() {
    settings::SettingsStore store(registry, path);
    auto batch = store.OpenBatch();
    batch->Set("Quonthary", "Left", "300");
    store.Commit(*batch);
  }
  void ExpectKept() {
    EXPECT_EQ(sys::files::ReadAll(path), "[Quonthary]\r\nLeft=300\r\n\r\n");
    const DWORD attrs = GetFileAttributesA(path.c_str());
    EXPECT_TRUE(attrs & FILE_ATTRIBUTE_HIDDEN) << attrs;
    EXPECT_EQ(DaclOf(path), dacl);
    // Nothing but the file is left in the folder.
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
      (void)e;
      ++entries;
    }
    EXPECT_EQ(entries, 1);
  }

  testutil::TempDir dir;
  sys::FakeRegistry registry;
  std::string path, dacl;
};

TEST_F(Win32IniCommit, ReplacingKeepsTheAttributesAndTheSecurityDescriptor) {
  Commit();
  ExpectKept();
}

TEST_F(Win32IniCommit, WithoutRoomForANewFileTheFileIsWrittenInPlace) {
  sys::FaultyFileLayer faults(sys::SystemFileLayer());
  faults.Refuse = [this](sys::FileOp op, const std::string& p) {
    return op == sys::FileOp::Create && p != path;
  };
  sys::files::ScopedLayer layer(faults);
  Commit();
  ExpectKept();
  // A longer file made shorter ends where the new text ends.
  settings::SettingsStore store(registry, path);
  auto batch = store.OpenBatch();
  batch->Set("Quonthary", "Left", "3");
  store.Commit(*batch);
  EXPECT_EQ(sys::files::ReadAll(path), "[Quonthary]\r\nLeft=3\r\n\r\n");
}

}  // namespace
