// The network adapters as the registry lists them under the adapter class key, where each
// subkey is one device and its string value "NetworkAddress" overrides the built-in
// hardware address.
#pragma once
#include <utility>
#include <string>
#include <vector>

#include "system/Error.h"

namespace changers {

// Below HKEY_LOCAL_MACHINE.
inline const char kAdapterClassKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";
inline const char kNetworkAddressValue[] = "NetworkAddress";

// Three parallel lists of equal length, in the order the registry lists the subkeys.
struct NetworkAdapters {
  std::vector<std::string> Links;         // subkey names (a MAC profile's LinkInRegistry)
  std::vector<std::string> Descriptions;  // "DriverDesc"
  std::vector<std::string> Addresses;     // "NetworkAddress"; empty = the built-in address
  std::size_t Count() const { return Links.size(); }
};

// A value that should be a string but is not; the text names the value as the form
// library's own error does. Discovery stops there; what it had found comes along.
class InvalidDataType : public sys::Error {
 public:
  explicit InvalidDataType(const std::string& valueName, NetworkAdapters found = {})
      : sys::Error("Invalid data type for '" + valueName + "'"), Found(std::move(found)) {}
  NetworkAdapters Found;
};

}  // namespace changers
