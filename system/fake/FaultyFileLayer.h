// A file layer that passes every step to another layer (the real disk, in a scratch
// folder) and makes chosen steps fail as a full disk or a locked file would: the n-th step
// that changes something, once, and every step a refusal rule names, for as long as it is
// set. It counts and logs the steps, so a test can fail each one in turn.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "system/FileLayer.h"

namespace sys {

class FaultyFileLayer : public FileLayer {
 public:
  struct Step {
    FileOp Op;
    std::string Path;
    bool Failed = false;
  };

  explicit FaultyFileLayer(FileLayer& inner) : inner_(inner) {}

  // The n-th changing step from now on fails (1 = the next one); 0 = none. Restarts the count
  // and the log.
  void FailAt(int n);
  // Whether the step chosen by FailAt came and failed.
  bool Injected() const { return injected_; }
  // Steps a refusal rule fails every time (a folder where no file can be made, say).
  std::function<bool(FileOp, const std::string& path)> Refuse;

  // The changing steps since the last FailAt, in order.
  const std::vector<Step>& Steps() const { return steps_; }
  int StepCount() const { return static_cast<int>(steps_.size()); }

  std::optional<std::string> ReadAll(const std::string& path) override;
  std::optional<FileInfo> Info(const std::string& path) override;
  std::vector<DirEntry> List(const std::string& pattern) override;
  bool CreateDir(const std::string& path) override;
  std::unique_ptr<FileWriter> Create(const std::string& path, CreateMode mode) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Replace(const std::string& target, const std::string& replacement) override;
  bool Delete(const std::string& path) override;
  FileError LastError() override;
  std::string DeniedText() override { return inner_.DeniedText(); }

  // The reason a failed step gives.
  static constexpr const char* kReason = "There is not enough space on the disk";

 private:
  friend class FaultyWriter;
  // Counts the step; true when it is to fail (the reason is then set).
  bool Fails(FileOp op, const std::string& path);

  FileLayer& inner_;
  int failAt_ = 0;
  bool injected_ = false;
  bool lastInjected_ = false;
  std::vector<Step> steps_;
};

}  // namespace sys
