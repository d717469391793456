// Whether an IP profile is in force: its connection's present IPv4 settings, as the IP helper
// reads them, compared with what the profile sets; and the words that say so.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/ResultLine.h"
#include "profiles/ProfileRecords.h"
#include "system/IpHelper.h"

class TFormLanguage;

namespace profiles {

// One setting the connection does not have as the profile sets it. Has and Expected are
// values ("192.168.1.7", "255.255.255.0"); empty means none. Conflict: the connection lists
// the profile's address, but Windows found it in use elsewhere (Has is the address).
struct IPDifference {
  enum Field { Source, Address, Mask, Gateway, Dns, Conflict };
  Field What = Address;
  std::string Has, Expected;
  bool HasDhcp = false;  // Source: the connection uses DHCP (Has holds its addresses)
};

struct IPCheck {
  enum Outcome { InForce, Differs, NotFound, NotRead };
  Outcome Result = NotRead;
  std::string Connection;  // as the system names it
  std::vector<IPDifference> Differences;
  // DHCP is on but no address has come from it yet (none, or only a self-assigned 169.254).
  bool AwaitingLease = false;
};

// The connection of that name: the exact name, else one that differs only in letter case.
const sys::ConnectionConfig* FindConnection(const std::vector<sys::ConnectionConfig>& all,
                                            const std::string& name);

// A DHCP profile holds while DHCP is on; a static one while the connection has its address,
// no other computer holds it, with its mask, its gateway (none when the profile sets none,
// "0.0.0.0" or "none") and its name servers in their order. Addresses compare as addresses
// (" 10.0.0.5" is 10.0.0.5).
IPCheck CheckIPProfile(const IPProfileRecord& ip,
                       const std::optional<std::vector<sys::ConnectionConfig>>& connections);

// 255.255.255.0 for 24.
std::string MaskOfPrefix(int prefixLength);

// The line that tells the user: in force, each difference on a line of its own ("LAN has
// 192.168.1.7, expected 10.0.0.5"), not found, or not readable. A warning unless in force;
// where the profile does not hold, the box leads with that.
dialogs::ResultLine DescribeIPCheck(const IPCheck& check, const IPProfileRecord& ip,
                                    const TFormLanguage& texts);

// What a connection has now, in a few words: its addresses, "DHCP" and the addresses it has
// from it, or that it is not there.
std::string PresentSettings(const std::vector<sys::ConnectionConfig>& all, const std::string& name,
                            const TFormLanguage& texts);

// "LAN: 192.168.1.7" for each distinct connection of the profiles in use, in slot order; none
// when the system could not be asked.
std::vector<std::string> PresentSettingsLines(
    const std::array<IPProfileRecord, SlotCount>& profiles,
    const std::optional<std::vector<sys::ConnectionConfig>>& connections,
    const TFormLanguage& texts);

// Reads the connection again at each question until the profile holds or the looks are
// used up (a DHCP lease takes a few seconds to arrive): the pending line of the timed box.
class IPVerification {
 public:
  IPVerification(IPProfileRecord ip, sys::IpHelper& helper, const TFormLanguage& texts, int looks);
  std::optional<dialogs::ResultLine> operator()();

 private:
  IPProfileRecord ip_;
  sys::IpHelper& helper_;
  const TFormLanguage& texts_;
  int looksLeft_;
};

// How many looks, one a second, a profile gets to settle: a DHCP lease takes longer than a
// static address.
int SettleLooks(const IPProfileRecord& ip);

}  // namespace profiles
