// Registry access: keys opened with full access, string and DWORD values, subkey listing.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sys {

enum class RootKey : std::uint32_t {
  ClassesRoot = 0x80000000u,
  CurrentUser = 0x80000001u,
  LocalMachine = 0x80000002u,
};

enum class ValueKind { String, Dword, Other };

struct RegistryValue {
  ValueKind Kind = ValueKind::String;
  std::string Text;         // REG_SZ / REG_EXPAND_SZ content
  std::uint32_t Dword = 0;  // REG_DWORD content
};

// An open key; closed when the object goes away.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // nullopt when the value does not exist.
  virtual std::optional<RegistryValue> Query(const std::string& name) = 0;
  virtual bool SetString(const std::string& name, const std::string& value) = 0;
  virtual bool SetDword(const std::string& name, std::uint32_t value) = 0;
  // True when the value is gone afterwards (an absent value is no error).
  virtual bool DeleteValue(const std::string& name) = 0;
  // Names of the direct subkeys, in the order the registry lists them.
  virtual std::vector<std::string> SubKeyNames() = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens path below root with full access (KEY_ALL_ACCESS), creating missing keys when
  // create is set. A leading backslash in path is allowed and means "from the root".
  // Returns null when the key does not exist (and create is off) or access is refused.
  virtual std::unique_ptr<RegistryKey> Open(RootKey root, const std::string& path, bool create) = 0;
  // Whether the key exists, also where the user may only read it (or not even that): tells
  // a key refused for lack of rights from one that is not there. A registry that cannot
  // tell says whether the key opens.
  virtual bool Exists(RootKey root, const std::string& path) {
    return Open(root, path, false) != nullptr;
  }
};

}  // namespace sys
