#include "project/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

#include "project/FileError.h"

namespace zuvar {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;
constexpr int kNameAttempts = 100;
constexpr std::string_view kNameCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A link is followed, so that the file it names is replaced and the link stays a link.
std::string ResolveLink(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

// Makes the folder's entry of a renamed file durable; a folder that cannot be flushed (some
// file systems refuse it) leaves the file written all the same.
void SyncFolder(const std::string& folder) {
  TFileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.IsOpen()) ::fsync(fd.Get());
}

}  // namespace

struct TSafeFile::TTargetInfo {
  bool exists = false;
  mode_t mode = 0666;
  uid_t owner = 0;
  gid_t group = 0;
};

TSafeFile::TSafeFile(const std::string& target, TWriteFault fault)
    : target_(ResolveLink(target)), fault_(fault) {
  const TTargetInfo info = Inspect(target_);
  CreateTemporary(info);
  KeepPermissions(info);
  buffer_.reserve(kBufferSize);
}

TSafeFile::~TSafeFile() {
  if (committed_) return;
  fd_.Close();
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

TSafeFile::TTargetInfo TSafeFile::Inspect(const std::string& target) {
  TTargetInfo info;
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) {
    if (errno != ENOENT) throw TFileError(TFileError::TKind::Create, target);
    return info;
  }
  if (!S_ISREG(st.st_mode)) throw TFileError(TFileError::TKind::Create, target);
  // A file the writer may not change is not replaced either, though its folder would allow it.
  if (::access(target.c_str(), W_OK) != 0) throw TFileError(TFileError::TKind::Create, target);
  info.exists = true;
  info.mode = st.st_mode & 07777;
  info.owner = st.st_uid;
  info.group = st.st_gid;
  return info;
}

// A hidden name beside the target that no other file has: ".name.XXXXXX".
void TSafeFile::CreateTemporary(const TTargetInfo& info) {
  const std::string stem = FolderOf(target_) + "/." + BaseNameOf(target_) + ".";
  std::random_device seed;
  std::mt19937 random(seed());
  std::uniform_int_distribution<std::size_t> pick(0, kNameCharacters.size() - 1);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string name = stem;
    for (int i = 0; i < 6; ++i) name += kNameCharacters[pick(random)];
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.mode);
    if (fd >= 0) {
      fd_ = TFileDescriptor(fd);
      temporary_ = std::move(name);
      return;
    }
    if (errno != EEXIST) break;
  }
  throw TFileError(TFileError::TKind::Create, target_);
}

// The owner first: changing it may clear the set-id bits that the mode then gives back. A new
// file keeps the mode the process's file mask gave it.
void TSafeFile::KeepPermissions(const TTargetInfo& info) {
  if (!info.exists) return;
  if (::fchown(fd_.Get(), info.owner, info.group) != 0) {
    // Only the owner of both may give a file away; the new file then stays the writer's.
  }
  ::fchmod(fd_.Get(), info.mode);
}

void TSafeFile::Write(std::string_view bytes) {
  if (failed_ || !fd_.IsOpen()) FailWrite();
  if (bytes.size() > fault_.FailAfterBytes - taken_) {
    const auto allowed = static_cast<std::size_t>(fault_.FailAfterBytes - taken_);
    buffer_.append(bytes.substr(0, allowed));
    taken_ += allowed;
    Flush();
    errno = ENOSPC;
    FailWrite();
  }
  taken_ += bytes.size();
  if (buffer_.size() + bytes.size() <= kBufferSize) {
    buffer_.append(bytes);
    if (buffer_.size() == kBufferSize) Flush();
    return;
  }
  Flush();
  if (bytes.size() >= kBufferSize) {
    WriteThrough(bytes.data(), bytes.size());
  } else {
    buffer_.append(bytes);
  }
}

void TSafeFile::Flush() {
  WriteThrough(buffer_.data(), buffer_.size());
  buffer_.clear();
}

void TSafeFile::WriteThrough(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd_.Get(), data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      FailWrite();
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
}

// A file whose writing failed once is never committed: it would miss what was lost.
void TSafeFile::Commit() {
  if (failed_ || !fd_.IsOpen()) FailWrite();
  Flush();
  if (::fsync(fd_.Get()) != 0) FailWrite();
  if (!fd_.Close()) FailWrite();
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) FailWrite();
  committed_ = true;
  SyncFolder(FolderOf(target_));
}

void TSafeFile::FailWrite() {
  failed_ = true;
  throw TFileError(TFileError::TKind::Write, target_);
}

}  // namespace zuvar
