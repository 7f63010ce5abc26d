// The classic file calls and the file search on the real file system.
#include "win_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "win_driver.h"
#include "win_paths.h"
#include "win_text.h"

namespace {

std::set<int>& OpenFiles() {
  static auto& files = *new std::set<int>;
  return files;
}

bool IsOurs(HFILE file) { return OpenFiles().count(file) != 0; }

void SetErrorFromErrno() {
  switch (errno) {
    case ENOENT:
      SetLastError(ERROR_FILE_NOT_FOUND);
      break;
    case ENOTDIR:
      SetLastError(ERROR_PATH_NOT_FOUND);
      break;
    case EEXIST:
      SetLastError(ERROR_ALREADY_EXISTS);
      break;
    default:
      SetLastError(ERROR_ACCESS_DENIED);
  }
}

HFILE Track(int fd) {
  if (fd < 0) {
    SetErrorFromErrno();
    return HFILE_ERROR;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    SetLastError(ERROR_ACCESS_DENIED);
    return HFILE_ERROR;
  }
  OpenFiles().insert(fd);
  return fd;
}

// Bytes in the character starting at s: two for a Shift-JIS lead with its trail.
size_t CharBytes(const char* s) { return IsCp932Lead(static_cast<unsigned char>(s[0])) && s[1] != 0 ? 2 : 1; }

// Case is folded for single-byte letters only, never for a double-byte character's trail.
bool NameMatches(const char* mask, const char* name) {
  auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  if (*mask == 0) return *name == 0;
  if (*mask == '*') {
    for (const char* n = name;; n += CharBytes(n)) {
      if (NameMatches(mask + 1, n)) return true;
      if (*n == 0) return false;
    }
  }
  if (*name == 0) return false;
  const size_t nameBytes = CharBytes(name);
  if (*mask == '?') return NameMatches(mask + 1, name + nameBytes);
  const size_t maskBytes = CharBytes(mask);
  if (maskBytes != nameBytes) return false;
  if (maskBytes == 2 ? std::memcmp(mask, name, 2) != 0 : fold(*mask) != fold(*name)) return false;
  return NameMatches(mask + maskBytes, name + nameBytes);
}

// Listings come in the order of names without regard to case.
bool FoldedLess(const std::string& a, const std::string& b) {
  auto fold = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [&](char x, char y) { return fold(x) < fold(y); });
}

struct FindEntry {
  std::string name;  // code page 932
  WIN32_FIND_DATA data;
};

struct FindState {
  std::vector<FindEntry> entries;
  size_t next = 0;
};

std::set<FindState*>& LiveSearches() {
  static auto& searches = *new std::set<FindState*>;
  return searches;
}

FILETIME FileTimeOf(time_t t) {
  const uint64_t ticks = (static_cast<uint64_t>(t) + 11644473600ull) * 10000000ull;
  return {static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

void FillFindData(const std::string& hostPath, const std::string& name, WIN32_FIND_DATA& data) {
  std::memset(&data, 0, sizeof data);
  struct stat st;
  if (stat(hostPath.c_str(), &st) == 0) {
    data.dwFileAttributes = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    if (!S_ISDIR(st.st_mode)) {
      data.nFileSizeHigh = static_cast<DWORD>(static_cast<uint64_t>(st.st_size) >> 32);
      data.nFileSizeLow = static_cast<DWORD>(static_cast<uint64_t>(st.st_size) & 0xFFFFFFFF);
    }
    data.ftCreationTime = FileTimeOf(st.st_ctime);
    data.ftLastAccessTime = FileTimeOf(st.st_atime);
    data.ftLastWriteTime = FileTimeOf(st.st_mtime);
  } else {
    data.dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
  }
  CopyWholeChars(name.data(), name.size(), data.cFileName, sizeof data.cFileName);
}

}  // namespace

HFILE _lcreat(LPCSTR path, int attribute) {
  if (path == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return HFILE_ERROR;
  }
  const mode_t mode = (attribute & 1) ? 0444 : 0666;
  return Track(open(HostPathFromWindows(path).c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
}

HFILE _lopen(LPCSTR path, int mode) {
  if (path == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return HFILE_ERROR;
  }
  const int access = mode & 3;
  const int flags = access == OF_WRITE ? O_WRONLY : access == OF_READWRITE ? O_RDWR : O_RDONLY;
  return Track(open(HostPathFromWindows(path).c_str(), flags | O_CLOEXEC));
}

UINT _lread(HFILE file, LPVOID buffer, UINT bytes) {
  if (!IsOurs(file) || (buffer == nullptr && bytes != 0)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return static_cast<UINT>(HFILE_ERROR);
  }
  size_t total = 0;
  while (total < bytes) {
    const ssize_t got = read(file, static_cast<char*>(buffer) + total, bytes - total);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return static_cast<UINT>(HFILE_ERROR);
    if (got == 0) break;
    total += static_cast<size_t>(got);
  }
  return static_cast<UINT>(total);
}

UINT _lwrite(HFILE file, LPCSTR buffer, UINT bytes) {
  if (!IsOurs(file) || (buffer == nullptr && bytes != 0)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return static_cast<UINT>(HFILE_ERROR);
  }
  if (bytes == 0) {
    const off_t at = lseek(file, 0, SEEK_CUR);
    return at >= 0 && ftruncate(file, at) == 0 ? 0 : static_cast<UINT>(HFILE_ERROR);
  }
  size_t total = 0;
  while (total < bytes) {
    const ssize_t put = write(file, buffer + total, bytes - total);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return static_cast<UINT>(HFILE_ERROR);
    total += static_cast<size_t>(put);
  }
  return static_cast<UINT>(total);
}

LONG _llseek(HFILE file, LONG offset, int origin) {
  if (!IsOurs(file) || origin < FILE_BEGIN || origin > FILE_END) {
    SetLastError(ERROR_INVALID_HANDLE);
    return HFILE_ERROR;
  }
  const int whence = origin == FILE_BEGIN ? SEEK_SET : origin == FILE_CURRENT ? SEEK_CUR : SEEK_END;
  const off_t at = lseek(file, offset, whence);
  if (at < 0 || at > 0x7FFFFFFF) return HFILE_ERROR;
  return static_cast<LONG>(at);
}

HFILE _lclose(HFILE file) {
  if (!IsOurs(file)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return HFILE_ERROR;
  }
  OpenFiles().erase(file);
  return close(file) == 0 ? 0 : HFILE_ERROR;
}

BOOL DeleteFile(LPCSTR path) {
  if (path == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::string host = HostPathFromWindows(path);
  struct stat st;
  if (lstat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (unlink(host.c_str()) != 0) {
    SetErrorFromErrno();
    return FALSE;
  }
  return TRUE;
}

BOOL CreateDirectory(LPCSTR path, SECURITY_ATTRIBUTES*) {
  if (path == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (mkdir(HostPathFromWindows(path).c_str(), 0777) != 0) {
    if (errno == ENOENT) {
      SetLastError(ERROR_PATH_NOT_FOUND);
    } else {
      SetErrorFromErrno();
    }
    return FALSE;
  }
  return TRUE;
}

HANDLE FindFirstFile(LPCSTR pattern, LPWIN32_FIND_DATA data) {
  if (pattern == nullptr || data == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  // Split at the last separator; a trail byte of 0x5C is not one.
  const std::string text = pattern;
  size_t split = std::string::npos;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    if (IsCp932Lead(b)) {
      ++i;
    } else if (b == '\\' || b == '/') {
      split = i;
    }
  }
  const std::string folder = split == std::string::npos ? "" : text.substr(0, split);
  std::string mask = split == std::string::npos ? text : text.substr(split + 1);
  if (mask == "*.*") mask = "*";  // the system's old rule: names without a dot match too
  const std::string hostFolder = split == std::string::npos ? "."
                                 : folder.empty()           ? "/"
                                                            : HostPathFromWindows(folder.c_str());
  DIR* dir = opendir(hostFolder.c_str());
  if (dir == nullptr) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  auto* state = new FindState;
  while (dirent* e = readdir(dir)) {
    const std::string name = Cp932FromUtf8(e->d_name);
    if (!NameMatches(mask.c_str(), name.c_str())) continue;
    FindEntry entry;
    entry.name = name;
    FillFindData(hostFolder + "/" + e->d_name, name, entry.data);
    state->entries.push_back(entry);
  }
  closedir(dir);
  std::sort(state->entries.begin(), state->entries.end(),
            [](const FindEntry& a, const FindEntry& b) { return FoldedLess(a.name, b.name); });
  if (state->entries.empty()) {
    delete state;
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  *data = state->entries[0].data;
  state->next = 1;
  LiveSearches().insert(state);
  return reinterpret_cast<HANDLE>(state);
}

BOOL FindNextFile(HANDLE find, LPWIN32_FIND_DATA data) {
  auto* state = reinterpret_cast<FindState*>(find);
  if (LiveSearches().count(state) == 0 || data == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (state->next >= state->entries.size()) {
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  *data = state->entries[state->next++].data;
  return TRUE;
}

BOOL FindClose(HANDLE find) {
  auto* state = reinterpret_cast<FindState*>(find);
  if (LiveSearches().erase(state) == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  delete state;
  return TRUE;
}

namespace {
int flushed = 0;
}  // namespace

int vmwin::FlushedFiles() { return flushed; }

BOOL FlushFileBuffers(HANDLE file) {
  const intptr_t fd = reinterpret_cast<intptr_t>(file);
  if (fd < INT32_MIN || fd > INT32_MAX || !IsOurs(static_cast<HFILE>(fd))) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (fsync(static_cast<int>(fd)) != 0) {
    SetErrorFromErrno();
    return FALSE;
  }
  ++flushed;
  return TRUE;
}
