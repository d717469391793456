#include "system/fake/MemoryFileLayer.h"

#include "system/NoCase.h"
#include "system/WildcardMatch.h"

namespace sys {

class MemoryWriter : public FileWriter {
 public:
  MemoryWriter(MemoryFileLayer& layer, std::string key) : layer_(layer), key_(std::move(key)) {}
  bool Write(const std::string& data) override {
    auto it = layer_.files_.find(key_);
    if (it == layer_.files_.end()) return layer_.Fail("The file is gone");
    std::string& bytes = it->second.Data;
    if (bytes.size() < position_ + data.size()) bytes.resize(position_ + data.size());
    bytes.replace(position_, data.size(), data);
    position_ += data.size();
    layer_.Touch(it->second);
    return true;
  }
  bool Truncate() override {
    auto it = layer_.files_.find(key_);
    if (it == layer_.files_.end()) return layer_.Fail("The file is gone");
    it->second.Data.resize(position_);
    layer_.Touch(it->second);
    return true;
  }
  bool Flush() override { return true; }
  bool Close() override { return true; }

 private:
  MemoryFileLayer& layer_;
  std::string key_;
  std::size_t position_ = 0;
};

std::string MemoryFileLayer::Key(const std::string& path) {
  std::string key = FoldCase(path);
  for (char& c : key)
    if (c == '/') c = '\\';
  while (key.size() > 1 && key.back() == '\\') key.pop_back();
  return key;
}

std::string MemoryFileLayer::FolderOf(const std::string& key) {
  auto slash = key.rfind('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

bool MemoryFileLayer::FolderExists(const std::string& key) const {
  return key.empty() || folders_.count(key) != 0;
}

bool MemoryFileLayer::Fail(const std::string& text, bool exists) {
  error_ = {text, exists};
  return false;
}

void MemoryFileLayer::Put(const std::string& path, const std::string& data) {
  const std::string key = Key(path);
  for (std::string folder = FolderOf(key); !folder.empty(); folder = FolderOf(folder))
    folders_.insert(folder);
  File& f = files_[key];
  if (f.Name.empty()) f.Name = path.substr(path.find_last_of("\\/") + 1);
  f.Data = data;
  Touch(f);
}

std::optional<std::string> MemoryFileLayer::Get(const std::string& path) const {
  auto it = files_.find(Key(path));
  if (it == files_.end()) return std::nullopt;
  return it->second.Data;
}

std::optional<std::string> MemoryFileLayer::ReadAll(const std::string& path) { return Get(path); }

std::optional<FileInfo> MemoryFileLayer::Info(const std::string& path) {
  const std::string key = Key(path);
  FileInfo info;
  if (auto it = files_.find(key); it != files_.end()) {
    info.Attributes = FileAttrArchive;
    info.Stamp.Size = it->second.Data.size();
    info.Stamp.ModifiedNs = it->second.Modified;
    return info;
  }
  if (!key.empty() && folders_.count(key)) {
    info.Attributes = FileAttrDirectory;
    return info;
  }
  return std::nullopt;
}

std::vector<DirEntry> MemoryFileLayer::List(const std::string& pattern) {
  const std::string key = Key(pattern);
  const std::string folder = FolderOf(key);
  const std::string mask = key.substr(key.rfind('\\') + 1);
  std::vector<DirEntry> out;
  if (!FolderExists(folder) || mask.empty()) return out;
  for (const auto& [name, file] : files_)
    if (FolderOf(name) == folder && WildcardMatch(mask, file.Name))
      out.push_back({file.Name, FileAttrArchive});
  for (const std::string& sub : folders_)
    if (FolderOf(sub) == folder && WildcardMatch(mask, sub.substr(sub.rfind('\\') + 1)))
      out.push_back({sub.substr(sub.rfind('\\') + 1), FileAttrDirectory});
  return out;
}

bool MemoryFileLayer::CreateDir(const std::string& path) {
  const std::string key = Key(path);
  if (files_.count(key)) return Fail("Cannot create a file when that file already exists", true);
  if (!FolderExists(FolderOf(key))) return Fail("The system cannot find the path specified");
  folders_.insert(key);
  return true;
}

std::unique_ptr<FileWriter> MemoryFileLayer::Create(const std::string& path, CreateMode mode) {
  const std::string key = Key(path);
  auto it = files_.find(key);
  if (folders_.count(key)) {
    Fail("Access is denied", mode == CreateMode::New);
    return nullptr;
  }
  if (!FolderExists(FolderOf(key))) {
    Fail("The system cannot find the path specified");
    return nullptr;
  }
  if (mode == CreateMode::New && it != files_.end()) {
    Fail("The file exists", true);
    return nullptr;
  }
  if (mode == CreateMode::Existing && it == files_.end()) {
    Fail("The system cannot find the file specified");
    return nullptr;
  }
  File& f = files_[key];
  if (f.Name.empty()) f.Name = path.substr(path.find_last_of("\\/") + 1);
  if (mode != CreateMode::Existing) f.Data.clear();
  Touch(f);
  return std::make_unique<MemoryWriter>(*this, key);
}

bool MemoryFileLayer::Rename(const std::string& from, const std::string& to) {
  const std::string src = Key(from), dst = Key(to);
  if (files_.count(dst) || folders_.count(dst)) return Fail("The file exists", true);
  auto it = files_.find(src);
  if (it == files_.end()) return Fail("The system cannot find the file specified");
  if (!FolderExists(FolderOf(dst))) return Fail("The system cannot find the path specified");
  File f = std::move(it->second);
  files_.erase(it);
  f.Name = to.substr(to.find_last_of("\\/") + 1);
  files_[dst] = std::move(f);
  return true;
}

bool MemoryFileLayer::Replace(const std::string& target, const std::string& replacement) {
  auto dst = files_.find(Key(target));
  auto src = files_.find(Key(replacement));
  if (dst == files_.end() || src == files_.end())
    return Fail("The system cannot find the file specified");
  dst->second.Data = std::move(src->second.Data);
  Touch(dst->second);
  files_.erase(src);
  return true;
}

bool MemoryFileLayer::Delete(const std::string& path) {
  const std::string key = Key(path);
  if (folders_.count(key)) return Fail("Access is denied");
  files_.erase(key);
  return true;
}

}  // namespace sys
