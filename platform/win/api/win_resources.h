// The module's resources as C++ data: dialog templates, string tables, menus, cursors, icons and
// images, each keyed by (type, id). The module registers its table once with the instance it was
// given; dialogs, strings, cursors and icons of that instance are then found here.
#pragma once

#include <cstdint>

#include "win_types.h"

constexpr int RT_CURSOR = 1;
constexpr int RT_BITMAP = 2;
constexpr int RT_ICON = 3;
constexpr int RT_MENU = 4;
constexpr int RT_DIALOG = 5;
constexpr int RT_STRING = 6;
constexpr int RT_PNGI = 0x504E;  // the module's own image type ("PNGI" resources)

// One control of a dialog; coordinates are pixels of the dialog's client area.
struct DialogItemTemplate {
  int id;
  const char* className;  // "BUTTON", "EDIT", "STATIC", "LISTBOX", "COMBOBOX"
  const char* text;       // code page 932
  DWORD style;  // WS_CHILD and WS_VISIBLE are implied; WS_TABSTOP too except for statics and group boxes
  int x, y, width, height;
};

struct DialogTemplate {
  const char* title;  // code page 932
  DWORD style;
  int width, height;
  const DialogItemTemplate* items;
  int itemCount;
};

struct StringTableEntry {
  UINT id;
  const char* text;  // code page 932
};
struct StringTable {
  const StringTableEntry* entries;
  int count;
};

struct MenuItemTemplate {
  const char* text;  // null for a separator
  UINT id;
  int depth;  // 0 items of the bar, 1 items of a popup above them, ...
};
struct MenuTemplate {
  const MenuItemTemplate* items;
  int count;
};

// Icons, cursors and images: 0xAARRGGBB pixels, rows from the top; alpha 0 is transparent.
struct ImageResource {
  int width, height;
  const uint32_t* pixels;
  int hotX, hotY;  // cursors only
};

// data points at the DialogTemplate, StringTable, MenuTemplate or ImageResource of the entry.
struct ResourceEntry {
  int type;
  int id;
  const void* data;
};

// Later registrations of the same instance add to (and for equal keys replace) earlier ones.
void RegisterModuleResources(HINSTANCE instance, const ResourceEntry* entries, int count);
const void* FindModuleResource(HINSTANCE instance, int type, int id);
