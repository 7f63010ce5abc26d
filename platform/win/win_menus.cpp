// Menus built from the module's menu resources.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "win_internal.h"
#include "win_text.h"

struct HMENU__ {
  struct Item {
    std::string text;
    UINT id = 0;
    UINT state = 0;  // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_SEPARATOR
    std::unique_ptr<HMENU__> popup;
  };
  std::vector<Item> items;
};

namespace {

std::set<HMENU>& LiveMenus() {
  static auto& live = *new std::set<HMENU>;
  return live;
}

void Track(HMENU menu, bool live) {
  if (live) {
    LiveMenus().insert(menu);
  } else {
    LiveMenus().erase(menu);
  }
  for (auto& item : menu->items)
    if (item.popup) Track(item.popup.get(), live);
}

// Items of one level from `at`, while their depth is `depth`; deeper items form the popup before them.
void Build(HMENU menu, const MenuTemplate& t, int& at, int depth) {
  while (at < t.count && t.items[at].depth >= depth) {
    const MenuItemTemplate& source = t.items[at];
    if (source.depth > depth) {
      if (menu->items.empty()) {
        ++at;  // a popup with no item to hang on
        continue;
      }
      auto& owner = menu->items.back();
      if (!owner.popup) owner.popup = std::make_unique<HMENU__>();
      Build(owner.popup.get(), t, at, source.depth);
      continue;
    }
    HMENU__::Item item;
    item.text = source.text != nullptr ? source.text : "";
    item.id = source.id;
    item.state = source.text == nullptr ? MF_SEPARATOR : 0;
    menu->items.push_back(std::move(item));
    ++at;
  }
}

HMENU__::Item* Find(HMENU menu, UINT item, UINT flags) {
  if (menu == nullptr || !LiveMenus().count(menu)) return nullptr;
  if (flags & MF_BYPOSITION) return item < menu->items.size() ? &menu->items[item] : nullptr;
  for (auto& i : menu->items) {
    if (!i.popup && !(i.state & MF_SEPARATOR) && i.id == item) return &i;
    if (i.popup)
      if (auto* inner = Find(i.popup.get(), item, flags)) return inner;
  }
  return nullptr;
}

}  // namespace

HMENU LoadMenu(HINSTANCE instance, LPCSTR name) {
  if (!IS_INTRESOURCE(name)) return nullptr;
  const auto* t = static_cast<const MenuTemplate*>(
      FindModuleResource(instance, RT_MENU, LOWORD(reinterpret_cast<uintptr_t>(name))));
  if (t == nullptr) {
    SetLastError(ERROR_RESOURCE_NOT_FOUND);
    return nullptr;
  }
  auto* menu = new HMENU__;
  int at = 0;
  Build(menu, *t, at, 0);
  Track(menu, true);
  return menu;
}

BOOL DestroyMenu(HMENU menu) {
  if (menu == nullptr || !LiveMenus().count(menu)) return FALSE;
  Track(menu, false);
  delete menu;
  return TRUE;
}

HMENU GetSubMenu(HMENU menu, int position) {
  auto* item = Find(menu, static_cast<UINT>(position), MF_BYPOSITION);
  return item != nullptr ? item->popup.get() : nullptr;
}

int GetMenuItemCount(HMENU menu) {
  return menu != nullptr && LiveMenus().count(menu) ? static_cast<int>(menu->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  auto* item = Find(menu, static_cast<UINT>(position), MF_BYPOSITION);
  return item == nullptr || item->popup ? static_cast<UINT>(-1) : item->id;
}

int GetMenuString(HMENU menu, UINT id, LPSTR text, int size, UINT flags) {
  auto* item = Find(menu, id, flags);
  if (item == nullptr) {
    if (text != nullptr && size > 0) text[0] = 0;
    return 0;
  }
  if (text == nullptr || size <= 0) return static_cast<int>(item->text.size());
  return static_cast<int>(
      CopyWholeChars(item->text.data(), item->text.size(), text, static_cast<size_t>(size)));
}

UINT GetMenuState(HMENU menu, UINT id, UINT flags) {
  auto* item = Find(menu, id, flags);
  if (item == nullptr) return static_cast<UINT>(-1);
  return item->state | (item->popup ? MF_POPUP : 0);
}

UINT EnableMenuItem(HMENU menu, UINT id, UINT flags) {
  auto* item = Find(menu, id, flags);
  if (item == nullptr) return static_cast<UINT>(-1);
  const UINT old = item->state & (MF_GRAYED | MF_DISABLED);
  item->state = (item->state & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
  return old;
}

DWORD CheckMenuItem(HMENU menu, UINT id, UINT flags) {
  auto* item = Find(menu, id, flags);
  if (item == nullptr) return static_cast<DWORD>(-1);
  const DWORD old = item->state & MF_CHECKED;
  item->state = (item->state & ~MF_CHECKED) | (flags & MF_CHECKED);
  return old;
}
