// The network shell's interface dump, in both forms. Any text is read without harm: its
// lines hold no line break, the connection names no quote, and each named connection's
// settings are read. Then addressing drawn from the input is written as the script the
// program itself writes for an IP profile (which is the XP dump form) and as a dump of the
// newer form with its keywords in any letter case, between another connection's lines and
// an IPv6 section that uses the same words: both read back as written.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <set>

#include "fuzz/FuzzSupport.h"
#include "profiles/NetshDump.h"
#include "profiles/NetshScript.h"

namespace {

using profiles::DumpedSettings;

// A value as the shell writes one: no blank, no quote, no "=", not empty.
std::string Value(FuzzedDataProvider& in) {
  static const char kChars[] = "0123456789abcdefABCDEF.:/%-_xyz";
  std::string v;
  const std::size_t length = in.ConsumeIntegralInRange<std::size_t>(1, 20);
  for (std::size_t i = 0; i < length; ++i)
    v += kChars[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kChars - 2)];
  return v;
}

// A connection name: letters, digits, blanks and a little punctuation, never a quote.
std::string Name(FuzzedDataProvider& in) {
  static const char kChars[] = "Local Area Connection 0123456789-()#.LANWiFi";
  std::string v;
  const std::size_t length = in.ConsumeIntegralInRange<std::size_t>(1, 30);
  for (std::size_t i = 0; i < length; ++i)
    v += kChars[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kChars - 2)];
  return v;
}

// Keywords in the letter case the input chooses.
std::string Cased(FuzzedDataProvider& in, const std::string& word) {
  std::string out = word;
  for (char& c : out)
    if (c >= 'a' && c <= 'z' && in.ConsumeBool()) c = char(c - 'a' + 'A');
  return out;
}

std::string Describe(const DumpedSettings& s) {
  return std::string(s.dhcp ? "dhcp " : "static ") + s.address + " " + s.mask + " " + s.gateway +
         " " + s.dns1 + " " + s.dns2;
}

void Expect(const DumpedSettings& got, const DumpedSettings& want, const char* form,
            const std::string& text) {
  const bool same = got.dhcp == want.dhcp && got.address == want.address && got.mask == want.mask &&
                    got.gateway == want.gateway && got.dns1 == want.dns1 && got.dns2 == want.dns2;
  fuzz::Check(same, form, "read " + Describe(got) + "\nwrote " + Describe(want) + "\n" + text);
}

// The newer form's lines for one connection.
std::string NewerForm(FuzzedDataProvider& in, const std::string& name, const DumpedSettings& s) {
  const std::string n = Cased(in, "name=") + "\"" + name + "\"";
  std::string t;
  if (s.dhcp) {
    t += Cased(in, "set address ") + n + Cased(in, " source=dhcp") + "\r\n";
    t += Cased(in, "set dnsservers ") + n + Cased(in, " source=dhcp register=primary") + "\r\n";
    return t;
  }
  t += Cased(in, "add address ") + n + Cased(in, " address=") + s.address + Cased(in, " mask=") +
       s.mask + "\r\n";
  t += Cased(in, "add route prefix=0.0.0.0/0 interface=") + "\"" + name + "\"" +
       Cased(in, " nexthop=") + s.gateway + Cased(in, " metric=1") + "\r\n";
  t += Cased(in, "set dnsservers ") + n + Cased(in, " source=static address=") + s.dns1 +
       Cased(in, " register=primary") + "\r\n";
  t += Cased(in, "add dnsservers ") + n + Cased(in, " address=") + s.dns2 + Cased(in, " index=2") +
       "\r\n";
  return t;
}

void RoundTrips(FuzzedDataProvider& in) {
  const std::string name = Name(in);
  profiles::IPProfileRecord p;
  p.connectionName = name;
  p.isDHCP = in.ConsumeBool();
  DumpedSettings want;
  want.dhcp = p.isDHCP;
  if (!p.isDHCP) {
    want.address = p.statIP = Value(in);
    want.mask = p.statMask = Value(in);
    want.gateway = p.statGate = Value(in);
    want.dns1 = p.statDns1 = Value(in);
    want.dns2 = p.statDns2 = Value(in);
  }
  fuzz::Check(profiles::FitsNetshScript(p), "a plain profile fits the script");

  // The XP form: what the program writes.
  const std::string script = profiles::NetshScriptText(p);
  Expect(profiles::ParseConnectionSettings(profiles::DumpLines(script), name), want,
         "the program's own script reads back", script);
  const auto names = profiles::ParseConnectionNames(profiles::DumpLines(script));
  fuzz::Check(!names.empty() && names.front() == name, "the script names its connection", script);

  // The newer form, between another connection's lines and an IPv6 section.
  DumpedSettings other;
  other.address = other.mask = other.gateway = other.dns1 = other.dns2 = "9.9.9.9";
  DumpedSettings v6 = other;
  v6.address = "fe80::1";
  const std::string dump = "pushd interface ipv6\r\n" + NewerForm(in, name, v6) + "popd\r\n" +
                           Cased(in, "pushd interface ipv4") + "\r\n" +
                           NewerForm(in, name + "x", other) + NewerForm(in, name, want) +
                           NewerForm(in, "x" + name, other) + "popd\r\n";
  Expect(profiles::ParseConnectionSettings(profiles::DumpLines(dump), name), want,
         "the newer form reads back", dump);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Text(data, size);
  const std::vector<std::string> lines = profiles::DumpLines(text);
  for (const std::string& line : lines)
    fuzz::Check(line.find('\n') == std::string::npos, "a line holds no line break", text);
  const std::size_t breaks = std::size_t(std::count(text.begin(), text.end(), '\n'));
  fuzz::Check(lines.size() == breaks + (!text.empty() && text.back() != '\n'),
              "a line for each line break, and one for the unended rest", text);
  std::set<std::string> names;
  for (const std::string& name : profiles::ParseConnectionNames(lines)) {
    fuzz::Check(name.find('"') == std::string::npos, "a name holds no quote", name);
    names.insert(name);
  }
  for (const std::string& name : names) (void)profiles::ParseConnectionSettings(lines, name);
  (void)profiles::ParseConnectionSettings(lines, lines.empty() ? std::string() : lines.front());

  FuzzedDataProvider in(data, size);
  RoundTrips(in);
  return 0;
}
