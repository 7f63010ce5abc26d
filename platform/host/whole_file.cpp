#include "whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

FileBeside::~FileBeside() {
  if (fd_ >= 0) close(fd_);
  if (!temp_.empty()) std::remove(temp_.c_str());
}

bool FileBeside::Open(std::string* error) {
  const size_t slash = path_.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : path_.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
  struct stat old;
  const bool exists = stat(path_.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) {
    opened_ = path_ + ": cannot be written: it is a folder";
  } else {
    std::string temp = folder + "." + name + ".XXXXXX";
    fd_ = mkstemp(temp.data());
    if (fd_ < 0) {
      opened_ = path_ + ": cannot be written: " + std::strerror(errno);
    } else {
      temp_ = temp;
      // The new file gets the old one's permissions, or those a new file would get.
      mode_t mode;
      if (exists) {
        mode = old.st_mode & 07777;
      } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
      }
      if (fchmod(fd_, mode) != 0) why_ = errno;
    }
  }
  if (!opened_.empty() && error) *error = opened_;
  return opened_.empty();
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
  if (!opened_.empty()) {
    if (error) *error = opened_;
    return "";
  }
  if (fd_ < 0) {
    if (error) *error = path_ + ": cannot be written: it was not opened";
    return "";
  }
  if (why_ == 0 && fsync(fd_) != 0) why_ = errno;
  if (close(fd_) != 0 && why_ == 0) why_ = errno;
  fd_ = -1;
  if (why_ != 0) {
    if (error) *error = path_ + ": cannot be written: " + std::strerror(why_);
    std::remove(temp_.c_str());
    temp_.clear();
    return "";
  }
  std::string done;
  done.swap(temp_);
  return done;
}

bool PutInPlace(const std::string& temp, const std::string& path, std::string* error) {
  if (std::rename(temp.c_str(), path.c_str()) == 0) return true;
  if (error) *error = path + ": cannot be written: " + std::strerror(errno);
  std::remove(temp.c_str());
  return false;
}
