// The elevated write of an adapter's address. Without administrator rights the program cannot
// write the machine's registry, so it starts itself elevated with one narrow verb
// ("/networkaddress 0007 00AABBCCDDEE", or "/delete" for the built-in address) that changes
// that one value of one network adapter, and nothing else, and ends.
#pragma once
#include <string>

#include "app/CommandLine.h"
#include "profiles/ProfileRecords.h"
#include "system/Registry.h"

namespace app {

// What the verb takes: a link of letters and digits (one subkey of the adapter class key,
// nothing that could reach elsewhere or break a batch line), and an address of exactly 12
// hexadecimal digits.
bool AdapterLinkFits(const std::string& link);
bool NetworkAddressFits(const std::string& address);

// The verb's arguments that put the MAC profile in force ("/networkaddress 0007
// 00AABBCCDDEE"); empty when its link or address does not fit.
std::string NetworkAddressArguments(const profiles::MacProfileRecord& mac);

// The batch line that runs them with the program at exePath (the path quoted, its percent
// signs doubled), CR LF ended; empty likewise.
std::string NetworkAddressBatchLine(const std::string& exePath,
                                    const profiles::MacProfileRecord& mac);

// Carries the verb out: the link must name a network adapter (a subkey of the class key with
// a "BusType") and the address fit; then the value is written, or deleted for an empty
// address. The verb's exit code: done, no such adapter, not understood, or not written.
int SetNetworkAddress(sys::Registry& registry, const std::string& link, const std::string& address);

}  // namespace app
