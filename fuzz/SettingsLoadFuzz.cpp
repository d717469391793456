// Any settings file, in INI mode: every setting and profile is loaded from the input as a
// start loads them, the program runs a few seconds, saves, and a second load of what it saved
// saves the very same file again. The program is started once and loads each input afresh
// (every value has its default where the file names none), over a file system emptied of
// what the inputs before left (logs).
#include <functional>
#include <unordered_set>

#include "fuzz/FuzzSupport.h"
#include "fuzz/ProgramOnFakes.h"

namespace {

const char kSwitch[] = "[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=0\r\n\r\n";

// The lines of a and b from the first that differs.
std::string Difference(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  const std::size_t line = a.rfind('\n', i) == std::string::npos ? 0 : a.rfind('\n', i) + 1;
  return "first save:\n" + a.substr(line, 200) + "\n----\nsecond save:\n" + b.substr(line, 200);
}

std::string SaveAndRead(fuzz::ProgramOnFakes& program) {
  program.Indicator().SaveSettings();
  return program.files.Get(fuzz::kIniPath).value_or("<absent>");
}

// Only the settings file, in the program's folder.
void PutSettingsFile(fuzz::ProgramOnFakes& program, const std::string& text) {
  program.files.Clear();
  program.files.CreateDir("C:\\Temp");
  program.files.Put(fuzz::kIniPath, text);
}

fuzz::ProgramOnFakes& Started() {
  static fuzz::ProgramOnFakes program;
  static const bool started = [] {
    PutSettingsFile(program, std::string(kSwitch) + "[Quonthary]\r\nPreviousVersion=" +
                                 program.RunningVersion() + "\r\n");
    program.Start();
    return true;
  }();
  (void)started;
  return program;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ProgramOnFakes& program = Started();
  TFormQuonthary& ind = program.Indicator();
  program.Ui().ResetTraffic();  // what the windows were told; it would grow without end
  PutSettingsFile(program, kSwitch + fuzz::Text(data, size));
  ind.LoadSettings();
  program.Run(3);
  const std::string saved = SaveAndRead(program);

  // Most inputs differ only in what a load reads past (comments, unknown keys, values
  // out of range), and save the same file as an input before: the second round, a function
  // of that file alone, has been checked for it already.
  static std::unordered_set<std::size_t> checked;
  if (!checked.insert(std::hash<std::string>()(saved)).second) return 0;
  ind.LoadSettings();
  const std::string again = SaveAndRead(program);
  if (again != saved)
    fuzz::Fail("what was saved loads and saves the same", Difference(saved, again));
  return 0;
}
