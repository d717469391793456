#include <gtest/gtest.h>
#include <windows.h>

#include "system/win32/Win32Clock.h"
#include "system/win32/Win32Processes.h"
#include "tests/win32/DialogCloser.h"
#include "tests/win32/TempFiles.h"

namespace {

// A batch that takes about a second and leaves a file behind when it is done.
std::string SlowBatch(TempFiles& files, const std::string& name, const std::string& done) {
  return files.Write(name, {"@echo off", "ping -n 2 127.0.0.1 >nul", "echo x > \"" + done + "\""});
}

TEST(Win32Processes, WaitsForTheStartedProgram) {
  TempFiles files;
  std::string done = files.Path("waited.txt");
  std::string batch = SlowBatch(files, "wait.bat", done);
  sys::Win32Processes shell;
  auto code = shell.ShellExecuteAndWait(batch, "", "", sys::ShowMinimized, true);
  EXPECT_GT(code, 32);
  EXPECT_TRUE(TempFiles::Exists(done)) << "returned before the batch had finished";
}

TEST(Win32Processes, RunsElevatedAndWaitsWhereTheSystemAgrees) {
  // Wine's user holds administrator rights from the start, as an elevated Windows one does:
  // nothing would be gained by asking.
  sys::Win32Processes shell;
  EXPECT_FALSE(shell.ElevationNeeded());
  TempFiles files;
  std::string done = files.Path("elevated.txt");
  std::string batch = SlowBatch(files, "elevated.bat", done);
  DialogCloser closer;
  auto code = shell.ShellExecuteElevatedAndWait(batch, "", "", sys::ShowMinimized, true);
  EXPECT_GT(code, 32);
  EXPECT_TRUE(TempFiles::Exists(done)) << "returned before the batch had finished";
}

TEST(Win32Processes, MissingProgramIsNotStarted) {
  TempFiles files;
  sys::Win32Processes shell;
  DialogCloser closer;
  EXPECT_LE(shell.ShellExecuteAndWait(files.Path("no_such_program.exe"), "", "", sys::ShowMinimized,
                                      true),
            32);
  EXPECT_LE(shell.ShellOpen(files.Path("no_such_document.bat"), sys::ShowMinimized), 32);
  RecordProperty("ShellErrorBoxes", closer.Closed());
}

TEST(Win32Processes, TheLaunchCodeTellsADeclineAndNeverCallsAFailureStarted) {
  EXPECT_EQ(sys::LaunchCode(true, 0, 42), 42);
  // No to the question for administrator rights.
  EXPECT_EQ(sys::LaunchCode(false, ERROR_CANCELLED, 42), sys::LaunchDeclined);
  EXPECT_EQ(sys::LaunchCode(false, ERROR_CANCELLED, SE_ERR_ACCESSDENIED), sys::LaunchDeclined);
  EXPECT_EQ(sys::LaunchCode(false, ERROR_FILE_NOT_FOUND, SE_ERR_FNF), SE_ERR_FNF);
  EXPECT_EQ(sys::LaunchCode(false, ERROR_ACCESS_DENIED, 42), SE_ERR_NOASSOC);
}

TEST(Win32Processes, OpenStartsWithoutWaiting) {
  TempFiles files;
  std::string done = files.Path("opened.txt");
  std::string batch = SlowBatch(files, "open.bat", done);
  sys::Win32Processes shell;
  ASSERT_GT(shell.ShellOpen(batch, sys::ShowMinimized), 32);
  // The batch runs on by itself; give it ample time to finish.
  sys::Win32Clock clock;
  for (int i = 0; i < 300 && !TempFiles::Exists(done); ++i) clock.Sleep(100);
  EXPECT_TRUE(TempFiles::Exists(done));
}

}  // namespace
