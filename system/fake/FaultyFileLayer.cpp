#include "system/fake/FaultyFileLayer.h"

namespace sys {

class FaultyWriter : public FileWriter {
 public:
  FaultyWriter(FaultyFileLayer& layer, std::unique_ptr<FileWriter> inner, std::string path)
      : layer_(layer), inner_(std::move(inner)), path_(std::move(path)) {}
  bool Write(const std::string& data) override {
    if (!layer_.Fails(FileOp::Write, path_)) return inner_->Write(data);
    // A disk that fills up takes part of the data before it refuses the rest.
    inner_->Write(data.substr(0, data.size() / 2));
    return false;
  }
  bool Truncate() override { return !layer_.Fails(FileOp::Truncate, path_) && inner_->Truncate(); }
  bool Flush() override { return !layer_.Fails(FileOp::Flush, path_) && inner_->Flush(); }
  bool Close() override {
    // The handle is gone whether or not the close reports success.
    const bool fails = layer_.Fails(FileOp::Close, path_);
    const bool closed = inner_->Close();
    return !fails && closed;
  }

 private:
  FaultyFileLayer& layer_;
  std::unique_ptr<FileWriter> inner_;
  std::string path_;
};

void FaultyFileLayer::FailAt(int n) {
  failAt_ = n;
  injected_ = false;
  steps_.clear();
}

bool FaultyFileLayer::Fails(FileOp op, const std::string& path) {
  steps_.push_back({op, path, false});
  if (failAt_ > 0 && static_cast<int>(steps_.size()) == failAt_) injected_ = true;
  const bool chosen = failAt_ > 0 && static_cast<int>(steps_.size()) == failAt_;
  const bool fails = chosen || (Refuse && Refuse(op, path));
  steps_.back().Failed = fails;
  lastInjected_ = fails;
  return fails;
}

FileError FaultyFileLayer::LastError() {
  if (lastInjected_) return {kReason, false};
  return inner_.LastError();
}

std::optional<std::string> FaultyFileLayer::ReadAll(const std::string& path) {
  return inner_.ReadAll(path);
}

std::optional<FileInfo> FaultyFileLayer::Info(const std::string& path) { return inner_.Info(path); }

std::vector<DirEntry> FaultyFileLayer::List(const std::string& pattern) {
  return inner_.List(pattern);
}

bool FaultyFileLayer::CreateDir(const std::string& path) {
  return !Fails(FileOp::CreateDir, path) && inner_.CreateDir(path);
}

std::unique_ptr<FileWriter> FaultyFileLayer::Create(const std::string& path, CreateMode mode) {
  if (Fails(FileOp::Create, path)) return nullptr;
  auto inner = inner_.Create(path, mode);
  if (!inner) return nullptr;
  return std::make_unique<FaultyWriter>(*this, std::move(inner), path);
}

bool FaultyFileLayer::Rename(const std::string& from, const std::string& to) {
  return !Fails(FileOp::Rename, from) && inner_.Rename(from, to);
}

bool FaultyFileLayer::Replace(const std::string& target, const std::string& replacement) {
  return !Fails(FileOp::Replace, target) && inner_.Replace(target, replacement);
}

bool FaultyFileLayer::Delete(const std::string& path) {
  return !Fails(FileOp::Delete, path) && inner_.Delete(path);
}

}  // namespace sys
