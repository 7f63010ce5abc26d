#include "text/user_folder.h"

#include <cstring>
#include <string>

#include "text/string_limits.h"
#include "win_api.h"

namespace {

std::string SpecialFolderPath(int folder) {
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &list)) || list == nullptr) return {};
  char path[MAX_PATH] = {};
  const BOOL found = SHGetPathFromIDList(list, path);
  LPMALLOC allocator = nullptr;
  if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
    allocator->Free(list);
    allocator->Release();
  }
  if (!found) return {};
  std::string text = path;
  while (!text.empty() && text.back() == '\\') text.pop_back();
  return text;
}

}  // namespace

int GetIllustratorUserFolder(char* output) {
  output[0] = '\0';
  std::string folder = SpecialFolderPath(CSIDL_PERSONAL);
  if (folder.empty()) return 0;
  for (const char* part : {"\\Adobe", "\\Illustrator"}) {
    folder += part;
    if (folder.size() >= static_cast<size_t>(MAX_PATH)) return 0;
    CreateDirectory(folder.c_str(), nullptr);  // already there, or it fails later where it is used
  }
  std::memcpy(output, folder.c_str(), folder.size() + 1);
  return 1;
}

void AppendDebugText(const char* text) {
  if (text == nullptr) return;
  const std::string desktop = SpecialFolderPath(CSIDL_DESKTOPDIRECTORY);
  if (desktop.empty()) return;
  const std::string path = desktop + "\\Moravine_Debug.TXT";
  HFILE file = _lopen(path.c_str(), OF_WRITE);
  if (file == HFILE_ERROR) file = _lcreat(path.c_str(), 0);
  if (file == HFILE_ERROR) return;
  _llseek(file, 0, FILE_END);
  _lwrite(file, text, static_cast<UINT>(StrLenLimited(text)));
  _lclose(file);
}
