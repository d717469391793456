// The program's command line: a profile put in force from a shortcut or a script, a window
// opened, and the one narrow verb the program starts itself with, elevated, to write an
// adapter's address. Parsed without any window, so that a second start can judge its
// arguments before it hands them to the running program.
#pragma once
#include <string>
#include <vector>

#include "profiles/ProfileKinds.h"
#include "profiles/ProfileRecords.h"

namespace app {

// How a start that carries a command ends: a second start with the running program's answer,
// the elevated verb with its own.
enum ExitCode : int {
  kExitDone = 0,           // carried out (a window: opened)
  kExitNoProfile = 1,      // no profile of that name or slot (the verb: no such adapter)
  kExitBadArguments = 2,   // the command line was not understood
  kExitNotCarriedOut = 3,  // answered No, failed, or refused while a window blocks commands
};

enum class Verb {
  None,            // no command: a second start brings the gauge to the front
  Usage,           // /?
  ApplyProfile,    // /ip, /proxy, /mac NAME, with /yes
  OpenSwitcher,    // /switcher ip|proxy|mac
  OpenSettings,    // /settings
  OpenHistory,     // /history
  NetworkAddress,  // /networkaddress LINK ADDRESS|/delete, the elevated write
};

struct Command {
  Verb What = Verb::None;
  profiles::ProfileKind Kind = profiles::ProfileKind::IP;
  std::string Profile;  // a name or a slot number, as given
  bool Yes = false;     // put in force without the confirmation window
  std::string Link;     // the adapter's subkey under the adapter class key
  std::string Address;  // the address to write; empty: delete the value
  bool operator==(const Command& o) const {
    return What == o.What && Kind == o.Kind && Profile == o.Profile && Yes == o.Yes &&
           Link == o.Link && Address == o.Address;
  }
};

struct ParsedCommand {
  Command Cmd;
  std::string Fault;  // the argument that was not understood; empty when all were
  bool Ok() const { return Fault.empty(); }
};

// The arguments of a whole command line (as the system hands it to a program) that follow the
// program's name, split as the C runtime splits them: blanks and tabs separate, double quotes
// group, a backslash before a double quote escapes it.
std::vector<std::string> ArgumentsOf(const std::string& commandLine);
// The same for text that holds the arguments alone.
std::vector<std::string> SplitArguments(const std::string& text);

// Options begin with "/" or "-" and are compared without regard to case.
ParsedCommand ParseArguments(const std::vector<std::string>& arguments);
inline ParsedCommand ParseCommandText(const std::string& text) {
  return ParseArguments(SplitArguments(text));
}

// The command as argument text that ParseCommandText reads back as the same command.
std::string CommandText(const Command& command);

// The option that names a kind: "/ip", "/proxy", "/mac".
inline const char* KindOption(profiles::ProfileKind kind) {
  static const char* const kKindOptions[] = {"/ip", "/proxy", "/mac"};
  return kKindOptions[profiles::KindIndex(kind)];
}

// The slot of the profile a command names: the first used profile of the kind whose name is
// the text without regard to case, else the used profile whose slot number the text is
// (0-20, leading zeros allowed); -1 when there is none.
int FindProfile(const profiles::ProfileTables& tables, profiles::ProfileKind kind,
                const std::string& nameOrSlot);

}  // namespace app
