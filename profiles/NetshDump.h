// Reading the network shell's dump of its "interface" context back: the names of the
// connections it configures, and one connection's addressing. Pure text processing.
//
// Two forms are read. Windows XP writes its "interface ip" context:
//   set address name="C" source=static addr=A mask=M
//   set address name="C" gateway=G gwmetric=0
//   set dns name="C" source=static addr=D1 register=PRIMARY
//   add dns name="C" addr=D2 index=2
// Windows Vista and later write "pushd interface ipv4" sections instead:
//   add address name="C" address=A mask=M        (set address name="C" source=dhcp)
//   add route prefix=0.0.0.0/0 interface="C" nexthop=G
//   set dnsservers name="C" source=static address=D1 register=primary
//   add dnsservers name="C" address=D2 index=2
// Letter case is ignored in the match and kept in the values.
#pragma once
#include <string>
#include <vector>

namespace profiles {

// One connection's addressing as the dump describes it; empty texts where it says nothing.
struct DumpedSettings {
  bool found = false;  // some line of the dump is about the connection
  bool dhcp = false;
  std::string address;
  std::string mask;
  std::string gateway;
  std::string dns1;
  std::string dns2;
};

// The dump file's text as lines (CR LF or LF ended).
std::vector<std::string> DumpLines(const std::string& text);

// The connection name of every line that sets or adds an IPv4 address, in line order, one
// per line (the caller drops repeated names).
std::vector<std::string> ParseConnectionNames(const std::vector<std::string>& lines);

// What the dump says about one connection; lines are taken in order. The XP form's later
// lines overwrite earlier values, and DNS 1 comes from any "set dns" line that is not
// "source=dhcp", whatever its "register=" (the registration mode); of the newer form the first
// address and the first default route count (the connection's primary ones). "source=dhcp", once
// seen, stays.
DumpedSettings ParseConnectionSettings(const std::vector<std::string>& lines,
                                       const std::string& connection);

}  // namespace profiles
