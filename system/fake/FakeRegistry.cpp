#include "system/fake/FakeRegistry.h"

#include <utility>

#include "system/NoCase.h"

namespace sys {

struct FakeRegistry::Node {
  std::string Name;
  Node* Parent = nullptr;
  bool Denied = false;
  std::vector<std::unique_ptr<Node>> Children;
  std::vector<std::pair<std::string, RegistryValue>> Values;

  Node* Child(const std::string& name) const {
    for (const auto& c : Children) {
      if (EqualNoCase(c->Name, name)) return c.get();
    }
    return nullptr;
  }
  Node* AddChild(const std::string& name) {
    Children.push_back(std::make_unique<Node>());
    Children.back()->Name = name;
    Children.back()->Parent = this;
    return Children.back().get();
  }
  bool EffectivelyDenied() const {
    for (const Node* n = this; n; n = n->Parent) {
      if (n->Denied) return true;
    }
    return false;
  }
  std::pair<std::string, RegistryValue>* FindValue(const std::string& name) {
    for (auto& v : Values) {
      if (EqualNoCase(v.first, name)) return &v;
    }
    return nullptr;
  }
};

namespace {

// "\Software\X" and "Software\X" both mean the same key; empty components are skipped.
std::vector<std::string> Components(const std::string& path) {
  std::vector<std::string> parts;
  std::string cur;
  for (char c : path) {
    if (c == '\\') {
      if (!cur.empty()) parts.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) parts.push_back(cur);
  return parts;
}

class FakeKey : public RegistryKey {
 public:
  FakeKey(FakeRegistry::Node* node, int& openCount) : node_(node), openCount_(openCount) {
    ++openCount_;
  }
  ~FakeKey() override { --openCount_; }

  std::optional<RegistryValue> Query(const std::string& name) override {
    auto* v = node_->FindValue(name);
    if (!v) return std::nullopt;
    return v->second;
  }
  bool SetString(const std::string& name, const std::string& value) override {
    RegistryValue v;
    v.Kind = ValueKind::String;
    v.Text = value;
    Put(name, v);
    return true;
  }
  bool SetDword(const std::string& name, std::uint32_t value) override {
    RegistryValue v;
    v.Kind = ValueKind::Dword;
    v.Dword = value;
    Put(name, v);
    return true;
  }
  bool DeleteValue(const std::string& name) override {
    auto& values = node_->Values;
    for (auto it = values.begin(); it != values.end(); ++it) {
      if (EqualNoCase(it->first, name)) {
        values.erase(it);
        break;
      }
    }
    return true;
  }
  std::vector<std::string> SubKeyNames() override {
    std::vector<std::string> names;
    for (const auto& c : node_->Children) names.push_back(c->Name);
    return names;
  }

 private:
  void Put(const std::string& name, const RegistryValue& value) {
    if (auto* v = node_->FindValue(name)) {
      v->second = value;  // keeps the name as first written, like the registry
    } else {
      node_->Values.emplace_back(name, value);
    }
  }

  FakeRegistry::Node* node_;
  int& openCount_;
};

int RootIndex(RootKey root) {
  switch (root) {
    case RootKey::ClassesRoot:
      return 0;
    case RootKey::CurrentUser:
      return 1;
    case RootKey::LocalMachine:
      return 2;
  }
  return 1;
}

}  // namespace

FakeRegistry::FakeRegistry() {
  for (auto& r : roots_) r = std::make_unique<Node>();
}

FakeRegistry::~FakeRegistry() = default;

FakeRegistry::Node* FakeRegistry::RootNode(RootKey root) const {
  return roots_[RootIndex(root)].get();
}

FakeRegistry::Node* FakeRegistry::Find(RootKey root, const std::string& path) const {
  Node* n = RootNode(root);
  for (const auto& part : Components(path)) {
    n = n->Child(part);
    if (!n) return nullptr;
  }
  return n;
}

FakeRegistry::Node* FakeRegistry::FindOrCreate(RootKey root, const std::string& path) {
  Node* n = RootNode(root);
  for (const auto& part : Components(path)) {
    Node* c = n->Child(part);
    n = c ? c : n->AddChild(part);
  }
  return n;
}

std::unique_ptr<RegistryKey> FakeRegistry::Open(RootKey root, const std::string& path,
                                                bool create) {
  auto parts = Components(path);
  Node* n = RootNode(root);
  std::size_t i = 0;
  for (; i < parts.size(); ++i) {
    Node* c = n->Child(parts[i]);
    if (!c) break;
    n = c;
  }
  if (i < parts.size()) {
    // Creating a subkey needs write access to its parent; nothing is created on refusal.
    if (!create || n->EffectivelyDenied()) return nullptr;
    for (; i < parts.size(); ++i) n = n->AddChild(parts[i]);
  }
  if (n->EffectivelyDenied()) return nullptr;
  return std::make_unique<FakeKey>(n, openKeys_);
}

void FakeRegistry::SetDenied(RootKey root, const std::string& path, bool denied) {
  FindOrCreate(root, path)->Denied = denied;
}

bool FakeRegistry::KeyExists(RootKey root, const std::string& path) const {
  return Find(root, path) != nullptr;
}

std::optional<RegistryValue> FakeRegistry::Value(RootKey root, const std::string& path,
                                                 const std::string& name) const {
  Node* n = Find(root, path);
  if (!n) return std::nullopt;
  auto* v = n->FindValue(name);
  if (!v) return std::nullopt;
  return v->second;
}

void FakeRegistry::PutValue(RootKey root, const std::string& path, const std::string& name,
                            const RegistryValue& value) {
  Node* n = FindOrCreate(root, path);
  if (auto* v = n->FindValue(name)) {
    v->second = value;
  } else {
    n->Values.emplace_back(name, value);
  }
}

std::vector<std::string> FakeRegistry::ValueNames(RootKey root, const std::string& path) const {
  std::vector<std::string> names;
  if (Node* n = Find(root, path)) {
    for (const auto& v : n->Values) names.push_back(v.first);
  }
  return names;
}

}  // namespace sys
