// MoveFileEx on the real file system.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "win_files.h"
#include "win_paths.h"

BOOL MoveFileEx(LPCSTR existing, LPCSTR target, DWORD flags) {
  if (existing == nullptr || target == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::string from = HostPathFromWindows(existing);
  const std::string to = HostPathFromWindows(target);
  struct stat st;
  if (stat(from.c_str(), &st) != 0) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  if (stat(to.c_str(), &st) == 0) {
    if (!(flags & MOVEFILE_REPLACE_EXISTING)) {
      SetLastError(ERROR_ALREADY_EXISTS);
      return FALSE;
    }
    if (S_ISDIR(st.st_mode)) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
  }
  if (std::rename(from.c_str(), to.c_str()) != 0) {
    SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : ERROR_ACCESS_DENIED);
    return FALSE;
  }
  return TRUE;
}
