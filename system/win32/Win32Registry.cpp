#include "system/Win32Registry.h"

#include <cstring>

#include <windows.h>

namespace sys {

namespace {

// The predefined root handles are sign-extended on 64-bit Windows, so they are taken from the
// system's own definitions rather than built from the enum's numbers.
HKEY RootHandle(RootKey root) {
  switch (root) {
    case RootKey::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RootKey::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RootKey::CurrentUser:
      break;
  }
  return HKEY_CURRENT_USER;
}

std::string SubPath(const std::string& path) {
  return !path.empty() && path[0] == '\\' ? path.substr(1) : path;
}

std::vector<std::string> EnumSubKeys(HKEY key) {
  std::vector<std::string> names;
  DWORD maxLen = 0;
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &maxLen, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return names;
  }
  std::string buf(maxLen + 1 > 256 ? maxLen + 1 : 256, '\0');
  for (DWORD i = 0;;) {
    DWORD len = static_cast<DWORD>(buf.size());
    LONG rc = RegEnumKeyExA(key, i, &buf[0], &len, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_MORE_DATA && buf.size() < 65536) {  // a longer name appeared meanwhile
      buf.assign(buf.size() * 2, '\0');
      continue;
    }
    if (rc != ERROR_SUCCESS) break;
    names.emplace_back(buf.data(), len);
    ++i;
  }
  return names;
}

class Win32Key : public RegistryKey {
 public:
  explicit Win32Key(HKEY key) : key_(key) {}
  Win32Key(const Win32Key&) = delete;
  Win32Key& operator=(const Win32Key&) = delete;
  ~Win32Key() override { RegCloseKey(key_); }

  std::optional<RegistryValue> Query(const std::string& name) override {
    DWORD type = 0;
    // A settings value fits a small buffer: one call to the registry instead of asking for
    // the size first (under wine each call is a round trip to its server).
    char small[256];
    DWORD size = sizeof small;
    LONG rc =
        RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(small), &size);
    if (rc == ERROR_SUCCESS) return ValueOf(type, std::string(small, size));
    if (rc != ERROR_MORE_DATA) return std::nullopt;
    std::string data;
    int attempts = 0;
    do {
      // Room for a terminator that REG_SZ data may lack; the loop covers a value that grew.
      data.assign(size + 1, '\0');
      DWORD got = size;
      rc = RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                            &got);
      if (rc == ERROR_MORE_DATA) size = got > size ? got : size * 2 + 16;
      if (rc == ERROR_SUCCESS) data.resize(got);
    } while (rc == ERROR_MORE_DATA && ++attempts < 8);
    if (rc != ERROR_SUCCESS) return std::nullopt;
    return ValueOf(type, data);
  }

  static RegistryValue ValueOf(DWORD type, const std::string& data) {
    RegistryValue v;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
      v.Kind = ValueKind::String;
      auto end = data.find('\0');
      v.Text = end == std::string::npos ? data : data.substr(0, end);
    } else if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
      v.Kind = ValueKind::Dword;
      DWORD d;
      std::memcpy(&d, data.data(), sizeof d);
      v.Dword = d;
    } else {
      v.Kind = ValueKind::Other;
    }
    return v;
  }

  bool SetString(const std::string& name, const std::string& value) override {
    return RegSetValueExA(key_, name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }

  bool SetDword(const std::string& name, std::uint32_t value) override {
    DWORD d = value;
    return RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&d),
                          sizeof d) == ERROR_SUCCESS;
  }

  bool DeleteValue(const std::string& name) override {
    LONG rc = RegDeleteValueA(key_, name.c_str());
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
  }

  std::vector<std::string> SubKeyNames() override { return EnumSubKeys(key_); }

 private:
  HKEY key_;
};

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> Open(RootKey root, const std::string& path, bool create) override {
    HKEY key = nullptr;
    std::string sub = SubPath(path);
    LONG rc = create
                  ? RegCreateKeyExA(RootHandle(root), sub.c_str(), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr)
                  : RegOpenKeyExA(RootHandle(root), sub.c_str(), 0, KEY_ALL_ACCESS, &key);
    if (rc != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32Key>(key);
  }

  bool Exists(RootKey root, const std::string& path) override {
    HKEY key = nullptr;
    const LONG rc = RegOpenKeyExA(RootHandle(root), SubPath(path).c_str(), 0, KEY_READ, &key);
    if (rc == ERROR_SUCCESS) RegCloseKey(key);
    return rc == ERROR_SUCCESS || rc == ERROR_ACCESS_DENIED;
  }
};

// Depth first, since a key with subkeys cannot be removed (RegDeleteTree needs Vista).
bool DeleteTree(HKEY parent, const std::string& sub) {
  HKEY key = nullptr;
  LONG rc = RegOpenKeyExA(parent, sub.c_str(), 0, KEY_ALL_ACCESS, &key);
  if (rc == ERROR_FILE_NOT_FOUND) return true;
  if (rc != ERROR_SUCCESS) return false;
  bool ok = true;
  {
    Win32Key open(key);
    for (const auto& child : EnumSubKeys(key)) ok = DeleteTree(key, child) && ok;
  }
  rc = RegDeleteKeyA(parent, sub.c_str());
  return ok && (rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND);
}

}  // namespace

std::unique_ptr<Registry> CreateWin32Registry() { return std::make_unique<Win32Registry>(); }

bool DeleteWin32RegistryTree(RootKey root, const std::string& path) {
  std::string sub = SubPath(path);
  if (sub.empty()) return false;  // never the root itself
  return DeleteTree(RootHandle(root), sub);
}

}  // namespace sys
