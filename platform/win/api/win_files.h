// Files on the real file system through Windows paths ("\"-separated, code page 932),
// and the shell's special folders.
#pragma once

#include <cstddef>

#include "win_types.h"

constexpr int MAX_PATH = 260;
constexpr HFILE HFILE_ERROR = -1;

constexpr int OF_READ = 0x0000;
constexpr int OF_WRITE = 0x0001;
constexpr int OF_READWRITE = 0x0002;
constexpr int OF_SHARE_COMPAT = 0x0000;
constexpr int OF_SHARE_EXCLUSIVE = 0x0010;
constexpr int OF_SHARE_DENY_WRITE = 0x0020;
constexpr int OF_SHARE_DENY_READ = 0x0030;
constexpr int OF_SHARE_DENY_NONE = 0x0040;

constexpr int FILE_BEGIN = 0;
constexpr int FILE_CURRENT = 1;
constexpr int FILE_END = 2;

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;

HFILE _lcreat(LPCSTR path, int attribute);
HFILE _lopen(LPCSTR path, int mode);
UINT _lread(HFILE file, LPVOID buffer, UINT bytes);   // bytes read, or HFILE_ERROR
UINT _lwrite(HFILE file, LPCSTR buffer, UINT bytes);  // 0 bytes cuts the file at the position
LONG _llseek(HFILE file, LONG offset, int origin);    // new position, or HFILE_ERROR
HFILE _lclose(HFILE file);                            // 0, or HFILE_ERROR

struct SECURITY_ATTRIBUTES;
BOOL DeleteFile(LPCSTR path);
BOOL CreateDirectory(LPCSTR path, SECURITY_ATTRIBUTES* security);

struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};

struct WIN32_FIND_DATA {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;
  DWORD dwReserved1;
  CHAR cFileName[MAX_PATH];
  CHAR cAlternateFileName[14];
};
using LPWIN32_FIND_DATA = WIN32_FIND_DATA*;

// Matches the last part of the pattern ("*" and "?") without regard to case.
HANDLE FindFirstFile(LPCSTR pattern, LPWIN32_FIND_DATA data);
BOOL FindNextFile(HANDLE find, LPWIN32_FIND_DATA data);
BOOL FindClose(HANDLE find);

// ---- shell ----------------------------------------------------------------

using HRESULT = int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

constexpr int CSIDL_DESKTOP = 0x0000;
constexpr int CSIDL_PERSONAL = 0x0005;
constexpr int CSIDL_DESKTOPDIRECTORY = 0x0010;

// The shell allocator that owns item id lists.
struct IMalloc {
  virtual void* Alloc(size_t bytes) = 0;
  virtual void* Realloc(void* block, size_t bytes) = 0;
  virtual void Free(void* block) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  ~IMalloc() = default;
};
using LPMALLOC = IMalloc*;

HRESULT SHGetMalloc(LPMALLOC* allocator);
void CoTaskMemFree(void* block);
// The documents folder (CSIDL_PERSONAL) and the desktop (CSIDL_DESKTOP, CSIDL_DESKTOPDIRECTORY).
HRESULT SHGetSpecialFolderLocation(HWND owner, int folder, LPITEMIDLIST* list);
BOOL SHGetPathFromIDList(LPCITEMIDLIST list, LPSTR path);  // path holds MAX_PATH bytes

// Renames a file; with MOVEFILE_REPLACE_EXISTING an existing target is replaced in one step.
constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x00000001;
BOOL MoveFileEx(LPCSTR existing, LPCSTR target, DWORD flags);

// The replacement takes the place of the replaced file in one step and keeps
// its attributes (here: its permissions). The replaced file must exist
// (ERROR_FILE_NOT_FOUND); a backup name is not taken (pass null).
BOOL ReplaceFile(LPCSTR replaced, LPCSTR replacement, LPCSTR backup, DWORD flags, LPVOID exclude,
                 LPVOID reserved);

// Creates a new, empty file in `folder` named by the first three characters
// of `prefix`, four hexadecimal digits and ".tmp", its path written to
// `tempFileName` (MAX_PATH bytes); returns the digits' value (never 0), or 0
// when no file could be made. Only `unique` 0 (a new file) is taken.
UINT GetTempFileName(LPCSTR folder, LPCSTR prefix, UINT unique, LPSTR tempFileName);

// Writes what the system holds of an open file to the disk. A file of the
// classic calls is passed as reinterpret_cast<HANDLE>(static_cast<INT_PTR>(hfile)).
BOOL FlushFileBuffers(HANDLE file);
