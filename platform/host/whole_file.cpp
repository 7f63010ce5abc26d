#include "whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

std::string WriteBeside(const std::string& path, const std::string& bytes, std::string* error) {
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  struct stat old;
  const bool exists = stat(path.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) {
    if (error) *error = path + ": cannot be written: it is a folder";
    return "";
  }
  std::string temp = folder + "." + name + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    if (error) *error = path + ": cannot be written: " + std::strerror(errno);
    return "";
  }
  // The new file gets the old one's permissions, or those a new file would get.
  mode_t mode;
  if (exists) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  int why = fchmod(fd, mode) == 0 ? 0 : errno;
  for (size_t done = 0; why == 0 && done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n > 0)
      done += static_cast<size_t>(n);
    else if (n == 0 || errno != EINTR)
      why = n == 0 ? EIO : errno;
  }
  if (why == 0 && fsync(fd) != 0) why = errno;
  if (close(fd) != 0 && why == 0) why = errno;
  if (why != 0) {
    if (error) *error = path + ": cannot be written: " + std::strerror(why);
    std::remove(temp.c_str());
    return "";
  }
  return temp;
}

bool PutInPlace(const std::string& temp, const std::string& path, std::string* error) {
  if (std::rename(temp.c_str(), path.c_str()) == 0) return true;
  if (error) *error = path + ": cannot be written: " + std::strerror(errno);
  std::remove(temp.c_str());
  return false;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* error) {
  const std::string temp = WriteBeside(path, bytes, error);
  return !temp.empty() && PutInPlace(temp, path, error);
}
