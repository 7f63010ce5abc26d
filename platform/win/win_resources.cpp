// The module's resource tables, and the strings, icons and cursors taken from them.
#include <cstring>
#include <map>
#include <utility>

#include "win_internal.h"
#include "win_text.h"

using namespace vmwin;

namespace {

using Key = std::pair<int, int>;

std::map<HINSTANCE, std::map<Key, const void*>>& Tables() {
  static auto& tables = *new std::map<HINSTANCE, std::map<Key, const void*>>;
  return tables;
}

// Icons and cursors are shared: one handle per resource, as the system gives them.
std::map<std::pair<HINSTANCE, int>, HICON__>& Icons() {
  static auto& icons = *new std::map<std::pair<HINSTANCE, int>, HICON__>;
  return icons;
}
std::map<std::pair<HINSTANCE, int>, HCURSOR__>& Cursors() {
  static auto& cursors = *new std::map<std::pair<HINSTANCE, int>, HCURSOR__>;
  return cursors;
}

HCURSOR currentCursor = nullptr;

}  // namespace

namespace vmwin {

int CurrentCursorId() { return currentCursor != nullptr ? currentCursor->resourceId : 0; }

void ResetResources() { currentCursor = nullptr; }

std::vector<int> ResourceIds(HINSTANCE instance, int type) {
  std::vector<int> ids;
  if (const auto t = Tables().find(instance); t != Tables().end())
    for (const auto& entry : t->second)
      if (entry.first.first == type) ids.push_back(entry.first.second);
  return ids;
}

}  // namespace vmwin

void RegisterModuleResources(HINSTANCE instance, const ResourceEntry* entries, int count) {
  auto& table = Tables()[instance];
  for (int i = 0; entries != nullptr && i < count; ++i)
    table[{entries[i].type, entries[i].id}] = entries[i].data;
}

const void* FindModuleResource(HINSTANCE instance, int type, int id) {
  const auto t = Tables().find(instance);
  if (t == Tables().end()) return nullptr;
  const auto found = t->second.find({type, id});
  return found != t->second.end() ? found->second : nullptr;
}

int LoadString(HINSTANCE instance, UINT id, LPSTR buffer, int size) {
  if (buffer == nullptr || size < 0) return 0;
  const char* text = nullptr;
  if (const auto t = Tables().find(instance); t != Tables().end())
    for (const auto& [key, data] : t->second) {
      if (key.first != RT_STRING || data == nullptr) continue;
      const auto* strings = static_cast<const StringTable*>(data);
      for (int i = 0; i < strings->count && text == nullptr; ++i)
        if (strings->entries[i].id == id) text = strings->entries[i].text;
      if (text != nullptr) break;
    }
  if (size == 0) {
    // A zero size asks for the resource's own text.
    *reinterpret_cast<const char**>(buffer) = text;
    return text != nullptr ? static_cast<int>(std::strlen(text)) : 0;
  }
  buffer[0] = 0;
  if (text == nullptr) {
    SetLastError(ERROR_RESOURCE_NOT_FOUND);
    return 0;
  }
  const size_t n = CopyWholeChars(text, std::strlen(text), buffer, static_cast<size_t>(size));
  return static_cast<int>(n);
}

HICON LoadIcon(HINSTANCE instance, LPCSTR name) {
  if (!IS_INTRESOURCE(name)) return nullptr;
  const int id = LOWORD(reinterpret_cast<uintptr_t>(name));
  const ImageResource* image = nullptr;
  if (instance != nullptr) {
    image = static_cast<const ImageResource*>(FindModuleResource(instance, RT_ICON, id));
    if (image == nullptr) {
      SetLastError(ERROR_RESOURCE_NOT_FOUND);
      return nullptr;
    }
  } else if (id < 32512 || id > 32518) {
    SetLastError(ERROR_RESOURCE_NOT_FOUND);
    return nullptr;
  }
  HICON__& icon = Icons()[{instance, id}];
  icon = {id, image};
  return &icon;
}

BOOL DestroyIcon(HICON icon) { return icon != nullptr ? TRUE : FALSE; }

HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name) {
  if (!IS_INTRESOURCE(name)) return nullptr;
  const int id = LOWORD(reinterpret_cast<uintptr_t>(name));
  const ImageResource* image = nullptr;
  if (instance != nullptr) {
    image = static_cast<const ImageResource*>(FindModuleResource(instance, RT_CURSOR, id));
    if (image == nullptr) {
      SetLastError(ERROR_RESOURCE_NOT_FOUND);
      return nullptr;
    }
  } else if (id < 32512 || id > 32651) {
    SetLastError(ERROR_RESOURCE_NOT_FOUND);
    return nullptr;
  }
  HCURSOR__& cursor = Cursors()[{instance, id}];
  cursor = {id, image};
  return &cursor;
}

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR old = currentCursor;
  currentCursor = cursor;
  return old;
}

HCURSOR GetCursor() { return currentCursor; }
