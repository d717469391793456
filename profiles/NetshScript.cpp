#include "profiles/NetshScript.h"

namespace profiles {

namespace {

const char kEol[] = "\r\n";
// Expanded by the command interpreter when the batch runs.
const char kNetsh[] = "\"%SystemRoot%\\System32\\netsh.exe\"";

bool HasLineBreak(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

std::string QuotedScriptPath(const std::string& scriptDir) {
  return BatchQuoted(scriptDir + kScriptFileName);
}

}  // namespace

std::string BatchQuoted(const std::string& path) {
  std::string quoted = "\"";
  for (char c : path) {
    if (c == '%') quoted += '%';
    quoted += c;
  }
  return quoted + "\"";
}

std::string NetshBatchText(const std::string& scriptDir) {
  return std::string(kNetsh) + " -f " + QuotedScriptPath(scriptDir) + kEol;
}

std::string NetshDumpBatchText(const std::string& scriptDir) {
  return std::string(kNetsh) + " -c interface dump > " + QuotedScriptPath(scriptDir) + kEol;
}

std::string NetshScriptText(const IPProfileRecord& p) {
  const std::string name = "name=\"" + p.connectionName + "\"";
  std::string s = std::string("pushd interface ip") + kEol;
  if (p.isDHCP) {
    s += "set address " + name + " source=dhcp" + kEol;
    s += "set dns " + name + " source=dhcp register=PRIMARY" + kEol;
    s += "set wins " + name + " source=dhcp" + kEol;
  } else {
    s += "set address " + name + " source=static addr=" + p.statIP + " mask=" + p.statMask + kEol;
    s += "set address " + name + " gateway=" + p.statGate + " gwmetric=0" + kEol;
    s += "set dns " + name + " source=static addr=" + p.statDns1 + " register=PRIMARY" + kEol;
    s += "add dns " + name + " addr=" + p.statDns2 + " index=2" + kEol;
    s += "set wins " + name + " source=static addr=none" + kEol;
  }
  s += std::string("popd") + kEol;
  return s;
}

bool FitsNetshScript(const IPProfileRecord& p) {
  if (HasLineBreak(p.connectionName) || p.connectionName.find('"') != std::string::npos)
    return false;
  if (p.isDHCP) return true;
  for (const std::string* field : {&p.statIP, &p.statMask, &p.statGate, &p.statDns1, &p.statDns2})
    if (HasLineBreak(*field)) return false;
  return true;
}

void MarkApplied(ProfileTables& tables, int slot) {
  const std::string& connection = tables.IPProfiles[std::size_t(slot)].connectionName;
  for (std::size_t i = 0; i < tables.IPProfiles.size(); ++i) {
    const IPProfileRecord& other = tables.IPProfiles[i];
    if (!other.Used || other.connectionName == connection) tables.AppliedMarks[i] = false;
  }
  tables.AppliedMarks[std::size_t(slot)] = true;
}

}  // namespace profiles
