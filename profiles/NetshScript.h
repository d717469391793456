// The files through which an IP profile is put in force: a network shell script and the
// one-line batch file that runs the shell on it. Both are plain 8-bit text, CR LF ended; the
// batch lines are made in the ANSI code page, and the writer puts them into the OEM code page
// in which the command interpreter reads them.
#pragma once
#include <string>

#include "profiles/ProfileRecords.h"

namespace profiles {

inline const char kBatchFileName[] = "qth_run.bat";
inline const char kScriptFileName[] = "qth_run.txt";

// A path as a batch line writes it: quoted, since it may contain blanks, and its percent
// signs doubled, so that the command interpreter takes them literally.
std::string BatchQuoted(const std::string& path);

// The batch line for a script in scriptDir (which ends with a backslash). The network shell
// is named by its full path, so that no netsh.exe in the current folder or on the search
// path runs instead, with administrator rights. The script path is quoted, since the folder
// may contain blanks, and percent signs are doubled so that the command interpreter takes
// them literally.
std::string NetshBatchText(const std::string& scriptDir);

// The batch line that has the network shell dump its "interface" context into the script
// file of scriptDir (which the dump import then reads), the path written as above.
std::string NetshDumpBatchText(const std::string& scriptDir);

// Five lines for a DHCP profile, seven for a static one; fields go in verbatim.
std::string NetshScriptText(const IPProfileRecord& profile);

// Whether the fields the script carries can be written without changing its commands:
// no line break in any of them, and no double quote in the connection name, which stands
// between quotes.
bool FitsNetshScript(const IPProfileRecord& profile);

// The applied marks after the profile in slot was put in force: cleared for every slot that
// is unused or configures the same connection (exact text), then set for slot.
void MarkApplied(ProfileTables& tables, int slot);

}  // namespace profiles
