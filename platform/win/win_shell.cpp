// The shell's special folders and its allocator.
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "win_files.h"
#include "win_paths.h"

struct ITEMIDLIST {
  char hostPath[1];  // the item list carries the folder's host path, NUL-terminated
};

namespace {

class ShellAllocator final : public IMalloc {
 public:
  void* Alloc(size_t bytes) override { return std::malloc(bytes); }
  void* Realloc(void* block, size_t bytes) override { return std::realloc(block, bytes); }
  void Free(void* block) override { std::free(block); }
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
};

ShellAllocator allocator;

// Like the real folders, ours exist: missing parts are created.
void MakeFolders(const std::string& path) {
  for (size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1))
    mkdir(path.substr(0, at).c_str(), 0777);
  mkdir(path.c_str(), 0777);
}

}  // namespace

HRESULT SHGetMalloc(LPMALLOC* out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = &allocator;
  return S_OK;
}

void CoTaskMemFree(void* block) { std::free(block); }

HRESULT SHGetSpecialFolderLocation(HWND, int folder, LPITEMIDLIST* list) {
  if (list == nullptr) return E_INVALIDARG;
  *list = nullptr;
  std::string path;
  if (folder == CSIDL_PERSONAL) {
    path = DocumentsFolderHostPath();
  } else if (folder == CSIDL_DESKTOP || folder == CSIDL_DESKTOPDIRECTORY) {
    path = DesktopFolderHostPath();
  } else {
    return E_INVALIDARG;
  }
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  MakeFolders(path);
  auto* item = static_cast<ITEMIDLIST*>(allocator.Alloc(path.size() + 1));
  if (item == nullptr) return E_OUTOFMEMORY;
  std::memcpy(item->hostPath, path.c_str(), path.size() + 1);
  *list = item;
  return S_OK;
}

BOOL SHGetPathFromIDList(LPCITEMIDLIST list, LPSTR path) {
  if (list == nullptr || path == nullptr) return FALSE;
  const std::string windows = WindowsPathFromHost(list->hostPath);
  if (windows.size() >= static_cast<size_t>(MAX_PATH)) {
    path[0] = 0;
    return FALSE;
  }
  std::memcpy(path, windows.c_str(), windows.size() + 1);
  return TRUE;
}
