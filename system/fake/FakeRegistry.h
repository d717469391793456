// An in-memory registry for tests and for builds without a system registry. Key and value
// names compare without regard to case and list in the order they were created; value kinds
// are kept. A key can be marked as denied, which stands for a key the user may only read:
// opening it, or creating a subkey below it, with full access fails, as on Windows.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "system/Registry.h"

namespace sys {

class FakeRegistry : public Registry {
 public:
  FakeRegistry();
  ~FakeRegistry() override;
  FakeRegistry(const FakeRegistry&) = delete;
  FakeRegistry& operator=(const FakeRegistry&) = delete;

  // Keys handed out must be released before the registry goes away.
  std::unique_ptr<RegistryKey> Open(RootKey root, const std::string& path, bool create) override;
  // Denied keys exist too.
  bool Exists(RootKey root, const std::string& path) override { return KeyExists(root, path); }

  // Inspection and set-up; these ignore the access marks and never count as open keys.
  // Marks (or unmarks) a key, creating it when missing; the mark covers everything below it.
  void SetDenied(RootKey root, const std::string& path, bool denied = true);
  bool KeyExists(RootKey root, const std::string& path) const;
  std::optional<RegistryValue> Value(RootKey root, const std::string& path,
                                     const std::string& name) const;
  // Stores a value of any kind, creating the key when missing.
  void PutValue(RootKey root, const std::string& path, const std::string& name,
                const RegistryValue& value);
  std::vector<std::string> ValueNames(RootKey root, const std::string& path) const;
  // Keys currently open through Open().
  int OpenKeyCount() const { return openKeys_; }

  struct Node;

 private:
  Node* RootNode(RootKey root) const;
  Node* Find(RootKey root, const std::string& path) const;
  Node* FindOrCreate(RootKey root, const std::string& path);

  std::unique_ptr<Node> roots_[3];
  int openKeys_ = 0;
};

}  // namespace sys
