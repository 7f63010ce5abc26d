// Renaming and replacing files on the real file system, and the temporary
// files a writer replaces them with (whole_file.h does the work).
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "whole_file.h"
#include "win_files.h"
#include "win_paths.h"

namespace {

void SetErrorFromReplace(int why) {
  SetLastError(why == ENOENT ? ERROR_PATH_NOT_FOUND : ERROR_ACCESS_DENIED);
}

}  // namespace

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
    SetErrorFromReplace(errno);
    return FALSE;
  }
  return TRUE;
}

BOOL ReplaceFile(LPCSTR replaced, LPCSTR replacement, LPCSTR backup, DWORD, LPVOID, LPVOID) {
  if (replaced == nullptr || replacement == nullptr || backup != nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::string to = HostPathFromWindows(replaced);
  const std::string from = HostPathFromWindows(replacement);
  struct stat st;
  if (stat(to.c_str(), &st) != 0 || stat(from.c_str(), &st) != 0) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  if (const int why = ReplaceKeepingPermissions(from, to); why != 0) {
    SetErrorFromReplace(why);
    return FALSE;
  }
  return TRUE;
}

UINT GetTempFileName(LPCSTR folder, LPCSTR prefix, UINT unique, LPSTR tempFileName) {
  if (folder == nullptr || tempFileName == nullptr || unique != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::string stem = prefix != nullptr ? std::string(prefix).substr(0, 3) : "";
  std::string windows = folder;
  if (!windows.empty() && windows.back() != '\\' && windows.back() != '/') windows += '\\';
  windows += stem;
  if (windows.size() + 8 >= MAX_PATH) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::string made;
  unsigned number = 0;
  const int fd = CreateUniqueFile(HostPathFromWindows(folder) + "/" + stem, ".tmp", &made, &number);
  if (fd < 0) {
    SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : ERROR_ACCESS_DENIED);
    return 0;
  }
  close(fd);
  char digits[8];
  std::snprintf(digits, sizeof digits, "%04X", number);
  const std::string path = windows + digits + ".tmp";
  std::memcpy(tempFileName, path.c_str(), path.size() + 1);
  return number;
}
