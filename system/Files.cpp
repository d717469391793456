// The file operations of sys::files, made of the steps of the current file layer. Replacing
// a file is written here once, for every build: whichever step fails, the file is either
// as it was or wholly new.
#include <string>

#include "system/FileLayer.h"

namespace sys {

const char* FileOpName(FileOp op) {
  switch (op) {
    case FileOp::Create:
      return "create";
    case FileOp::Write:
      return "write";
    case FileOp::Truncate:
      return "truncate";
    case FileOp::Flush:
      return "flush";
    case FileOp::Close:
      return "close";
    case FileOp::Rename:
      return "rename";
    case FileOp::Replace:
      return "replace";
    case FileOp::Delete:
      return "delete";
    case FileOp::CreateDir:
      return "create folder";
  }
  return "?";
}

namespace files {

namespace {

FileLayer* current = nullptr;

[[noreturn]] void ThrowCreate(const std::string& path, const std::string& reason) {
  throw FileCreateError("Cannot create file \"" + path + "\". " + reason);
}

// Writes the whole text and makes the file end there; false at the first step that fails.
bool WriteWhole(FileWriter& file, const std::string& data) {
  return file.Write(data) && file.Truncate() && file.Flush();
}

// A new file beside the target, so that the last step stays on one volume. Only a name
// that is taken is tried again.
std::unique_ptr<FileWriter> CreateTempBeside(FileLayer& fs, const std::string& target,
                                             std::string& tempPath) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = target + ".~" + std::to_string(++counter);
    if (auto file = fs.Create(tempPath, CreateMode::New)) return file;
    if (!fs.LastError().Exists) return nullptr;
  }
  return nullptr;
}

// No new file can be made in the folder, but the file itself may be writable (a folder
// where the user owns only this file): rewrite it where it is. A step that fails puts the
// old bytes back, so a failed write still leaves the old file whole.
void RewriteInPlace(FileLayer& fs, const std::string& path, const std::string& data,
                    const FileError& tempError) {
  const std::optional<std::string> old = fs.ReadAll(path);
  if (!old) ThrowCreate(path, tempError.Text);
  std::unique_ptr<FileWriter> file = fs.Create(path, CreateMode::Existing);
  if (!file) ThrowCreate(path, fs.LastError().Text);
  if (WriteWhole(*file, data) && file->Close()) return;
  const FileError error = fs.LastError();
  file.reset();
  if (auto restore = fs.Create(path, CreateMode::Existing)) {
    if (WriteWhole(*restore, *old)) restore->Close();
  }
  ThrowCreate(path, error.Text);
}

}  // namespace

FileLayer& Layer() { return current ? *current : SystemFileLayer(); }

ScopedLayer::ScopedLayer(FileLayer& layer) : previous_(current) { current = &layer; }
ScopedLayer::~ScopedLayer() { current = previous_; }

std::optional<std::string> ReadAll(const std::string& path) { return Layer().ReadAll(path); }

bool FileExists(const std::string& path) {
  auto info = Layer().Info(path);
  return info && !(info->Attributes & FileAttrDirectory);
}

bool DirectoryExists(const std::string& path) {
  auto info = Layer().Info(path);
  return info && (info->Attributes & FileAttrDirectory);
}

bool CreateDir(const std::string& path) { return Layer().CreateDir(path); }
bool Delete(const std::string& path) { return Layer().Delete(path); }
bool Rename(const std::string& from, const std::string& to) { return Layer().Rename(from, to); }

std::optional<FileStamp> Stamp(const std::string& path) {
  auto info = Layer().Info(path);
  if (!info) return std::nullopt;
  return info->Stamp;
}

std::vector<DirEntry> List(const std::string& pattern) { return Layer().List(pattern); }

void Write(const std::string& path, const std::string& data) {
  FileLayer& fs = Layer();
  std::unique_ptr<FileWriter> file = fs.Create(path, CreateMode::Always);
  if (!file) ThrowCreate(path, fs.LastError().Text);
  if (!file->Write(data) || !file->Close()) ThrowCreate(path, fs.LastError().Text);
}

void WriteReplacing(const std::string& path, const std::string& data) {
  FileLayer& fs = Layer();
  const std::optional<FileInfo> info = fs.Info(path);
  // Windows refuses to replace a read-only file or a folder; so does every build, which
  // also keeps an administrator from overwriting a file the user marked read-only.
  if (info && (info->Attributes & (FileAttrReadOnly | FileAttrDirectory)))
    ThrowCreate(path, fs.DeniedText());

  std::string temp;
  std::unique_ptr<FileWriter> file = CreateTempBeside(fs, path, temp);
  if (!file) {
    const FileError error = fs.LastError();
    if (!info) ThrowCreate(path, error.Text);
    RewriteInPlace(fs, path, data, error);
    return;
  }
  const bool written = file->Write(data) && file->Flush();
  FileError error = fs.LastError();
  const bool closed = file->Close();
  if (written && !closed) error = fs.LastError();
  if (written && closed) {
    if (info ? fs.Replace(path, temp) : fs.Rename(temp, path)) return;
    error = fs.LastError();
  }
  fs.Delete(temp);
  ThrowCreate(path, error.Text);
}

}  // namespace files
}  // namespace sys
