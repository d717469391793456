#include "profiles/InterfaceDump.h"

#include "profiles/NetshDump.h"
#include "profiles/NetshScript.h"
#include "system/Files.h"
#include "system/Processes.h"

namespace profiles {

namespace {

// The hourglass for as long as the thread waits, also when a step throws.
class Hourglass {
 public:
  Hourglass() { ui::Application().SetScreenCursor(ui::crHourGlass); }
  ~Hourglass() { ui::Application().SetScreenCursor(ui::crDefault); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;
};

}  // namespace

InterfaceDump RunInterfaceDump(const std::string& scriptDir, ui::TForm& asking,
                               const ProgramRunner& run, const BatchEncoder& toBatch,
                               sys::Desktop& screen) {
  const std::string batch = scriptDir + kBatchFileName;
  const std::string output = scriptDir + kScriptFileName;
  sys::files::Write(batch, toBatch(NetshDumpBatchText(scriptDir)));
  sys::files::Delete(output);

  InterfaceDump dump;
  {
    Hourglass wait;
    dump.LaunchCode = run(batch, "", "", sys::ShowMinimized, true);
  }
  screen.SetForegroundWindow(asking.Handle());
  if (!dump.Started()) return dump;
  if (auto text = sys::files::ReadAll(output)) dump.Lines = DumpLines(*text);
  return dump;
}

}  // namespace profiles
