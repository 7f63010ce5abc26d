#include "whole_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

// Four hexadecimal digits, 0000 left out so that a number is never 0.
constexpr unsigned kNames = 0xFFFF;
// As many links as the system follows in a path.
constexpr int kLinkHops = 40;
constexpr int kTreeDepth = 64;

// A path to remove on a stop. Nodes are never freed, so a signal handler can
// walk them while the program adds one; it reads a path only while it is live.
struct Leftover {
  Leftover* next = nullptr;
  std::atomic<bool> live{false};
  std::string path;
};
std::atomic<Leftover*> gLeftovers{nullptr};

// Only calls a signal handler may make (getdents64 is a bare system call).
void RemoveTree(int folder, const char* name, int depth) {
  if (unlinkat(folder, name, 0) == 0 || errno != EISDIR || depth > kTreeDepth) return;
  const int fd = openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  alignas(dirent64) char entries[2048];
  for (ssize_t n; (n = getdents64(fd, entries, sizeof entries)) > 0;) {
    for (ssize_t at = 0; at < n;) {
      const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
      at += entry->d_reclen;
      if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
        RemoveTree(fd, entry->d_name, depth + 1);
    }
  }
  close(fd);
  unlinkat(folder, name, AT_REMOVEDIR);
}

// The file `path` leads to through its symbolic links, a relative one read
// from the link's own folder; "" (and why) for a circle of links.
std::string FollowLinks(std::string path, int* why) {
  for (int hop = 0; hop < kLinkHops; ++hop) {
    char to[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), to, sizeof to);
    if (n < 0) return path;
    const size_t slash = path.find_last_of('/');
    const bool fromFolder = to[0] != '/' && slash != std::string::npos;
    path = (fromFolder ? path.substr(0, slash + 1) : std::string()) + std::string(to, static_cast<size_t>(n));
  }
  *why = ELOOP;
  return "";
}

std::string CannotWrite(const std::string& path, int why) {
  return path + ": cannot be written: " + (why == EISDIR ? "it is a folder" : std::strerror(why));
}

}  // namespace

int CreateUniqueFile(const std::string& prefix, const std::string& suffix, std::string* name, unsigned* number) {
  static std::minstd_rand next{std::random_device{}()};
  const unsigned start = static_cast<unsigned>(next()) % kNames;
  // Every name of the folder's range is tried once, so a folder full of
  // leftovers fails rather than loops.
  for (unsigned i = 0; i < kNames; ++i) {
    const unsigned n = 1 + (start + i) % kNames;
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", n);
    const std::string candidate = prefix + digits + suffix;
    const int fd = open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      *name = candidate;
      if (number) *number = n;
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  errno = EEXIST;
  return -1;
}

int ReplaceKeepingPermissions(const std::string& temp, const std::string& path) {
  int why = 0;
  const std::string target = FollowLinks(path, &why);
  if (why != 0) return why;
  struct stat old;
  if (stat(target.c_str(), &old) == 0) {
    if (S_ISDIR(old.st_mode)) return EISDIR;
    if (chmod(temp.c_str(), old.st_mode & 07777) != 0) return errno;
  }
  return std::rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno;
}

void TrackLeftover(const std::string& path) {
  Leftover* node = gLeftovers.load();
  while (node != nullptr && node->live) node = node->next;
  if (node == nullptr) {
    node = new Leftover;
    node->next = gLeftovers.load();
    gLeftovers.store(node);
  }
  node->path = path;
  node->live = true;
}

SignalsHeld::SignalsHeld() {
  sigset_t all;
  sigfillset(&all);
  pthread_sigmask(SIG_BLOCK, &all, &kept_);
}

SignalsHeld::~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &kept_, nullptr); }

void ForgetLeftover(const std::string& path) {
  for (Leftover* node = gLeftovers.load(); node != nullptr; node = node->next)
    if (node->live && node->path == path) node->live = false;
}

void RemoveLeftovers() {
  for (Leftover* node = gLeftovers.load(); node != nullptr; node = node->next)
    if (node->live) RemoveTree(AT_FDCWD, node->path.c_str(), 0);
}

void RemoveTemporary(const std::string& temp) {
  std::remove(temp.c_str());
  ForgetLeftover(temp);
}

FileBeside::~FileBeside() {
  if (fd_ >= 0) close(fd_);
  if (!temp_.empty()) RemoveTemporary(temp_);
}

bool FileBeside::Open(std::string* error) {
  // A link stays: the file it leads to is replaced, from a temporary beside it.
  const std::string target = FollowLinks(path_, &why_);
  const size_t slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  SignalsHeld held;
  if (why_ == 0) fd_ = CreateUniqueFile(folder + "." + name + ".", "", &temp_);
  if (fd_ < 0) {
    if (why_ == 0) why_ = errno;
    if (error) *error = CannotWrite(path_, why_);
    return false;
  }
  TrackLeftover(temp_);
  return true;
}

void FileBeside::Put(std::string_view bytes) {
  for (size_t done = 0; fd_ >= 0 && why_ == 0 && done < bytes.size();) {
    const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0)
      done += static_cast<size_t>(n);
    else if (n == 0 || errno != EINTR)
      why_ = n == 0 ? EIO : errno;
  }
}

std::string FileBeside::Finish(std::string* error) {
  if (fd_ < 0) {
    if (error) *error = CannotWrite(path_, why_ != 0 ? why_ : EBADF);
    return "";
  }
  if (why_ == 0 && fsync(fd_) != 0) why_ = errno;
  if (close(fd_) != 0 && why_ == 0) why_ = errno;
  fd_ = -1;
  if (why_ != 0) {
    if (error) *error = CannotWrite(path_, why_);
    RemoveTemporary(temp_);
    temp_.clear();
    return "";
  }
  std::string done;
  done.swap(temp_);
  return done;
}

std::string WriteBeside(const std::string& path, const std::string& bytes, std::string* error) {
  FileBeside file(path);
  if (!file.Open(error)) return "";
  file.Put(bytes);
  return file.Finish(error);
}

bool PutInPlace(const std::string& temp, const std::string& path, std::string* error) {
  const int why = ReplaceKeepingPermissions(temp, path);
  if (why == 0) {
    ForgetLeftover(temp);
    return true;
  }
  if (error) *error = CannotWrite(path, why);
  RemoveTemporary(temp);
  return false;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* error) {
  const std::string temp = WriteBeside(path, bytes, error);
  return !temp.empty() && PutInPlace(temp, path, error);
}
