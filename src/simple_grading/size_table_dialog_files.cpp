
#include <cstdio>
#include <cstring>

#include "common/dialog_placement.h"
#include "common/plugin_globals.h"
#include "resources/simple_grading_resource_ids.h"
#include "simple_grading/simple_grading_dialogs.h"
#include "store/preferences_paths.h"
#include "store/text_fields.h"
#include "store/text_file_io.h"
#include "text/byte_classes.h"

namespace {

constexpr int kNameFieldSize = 80;  // 79 characters and a NUL
constexpr int kLastProposal = 998;

// "カスタム-%d"
constexpr char kJapaneseProposal[] = "\203\112\203\130\203\136\203\200-%d";
constexpr char kEnglishProposal[] = "Custom-%d";

// The name of a listed file: the part before ".INI" or ".ini"; 0 when it
// is not to be listed.
int ListedName(const char* fileName, char* out, int size) {
  int cut = FindSizeTableSubstringIndex(fileName, ".INI");
  if (cut < 0) cut = FindSizeTableSubstringIndex(fileName, ".ini");
  if (cut < 0) cut = static_cast<int>(std::strlen(fileName));
  if (cut == 0 || cut >= size) return 0;
  CopySizeTableStringLeft(fileName, cut, out);
  return out[0] != '@' && std::strncmp(out, kUntitledSizeTable, sizeof kUntitledSizeTable - 1) != 0;
}

// Without regard to the case of ASCII letters; a double-byte character's
// trail byte is compared as it is.
int Compare(const char* a, const char* b) {
  for (bool trail = false;; ++a, ++b) {
    const unsigned char x = static_cast<unsigned char>(*a);
    const unsigned char y = static_cast<unsigned char>(*b);
    const int fx = !trail && x >= 'A' && x <= 'Z' ? x + 32 : x;
    const int fy = !trail && y >= 'A' && y <= 'Z' ? y + 32 : y;
    if (fx != fy || x == 0) return fx - fy;
    trail = !trail && IsShiftJisLeadByte(x);
  }
}

}  // namespace

int ListSizeTableFiles(char (*names)[256], int capacity) {
  char pattern[kTextFilePathSize];
  if (!GetSizeTableFolderPath(pattern, sizeof pattern) || std::strlen(pattern) + 6 > sizeof pattern) {
    return 0;
  }
  std::strcat(pattern, "*.ini");
  WIN32_FIND_DATA found;
  HANDLE find = FindFirstFile(pattern, &found);
  if (find == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    char name[256];
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        !ListedName(found.cFileName, name, sizeof name))
      continue;
    int at = 0;
    while (at < count && Compare(names[at], name) <= 0) ++at;
    std::memmove(names[at + 1], names[at], sizeof names[0] * static_cast<size_t>(count - at));
    std::memcpy(names[at], name, sizeof name);
    ++count;
  } while (count < capacity && FindNextFile(find, &found));
  FindClose(find);
  return count;
}

int IsListedSizeTableName(const char* name) {
  char fileName[256];
  char listed[256];
  if (name == nullptr || std::snprintf(fileName, sizeof fileName, "%s.ini", name) >= int{sizeof fileName}) {
    return 0;
  }
  return ListedName(fileName, listed, sizeof listed) && std::strcmp(listed, name) == 0;
}

int SizeTableFileExists(const char* name) {
  char path[kTextFilePathSize];
  if (!BuildSizeTableFilePath(name, path, sizeof path)) return 0;
  const HFILE file = _lopen(path, OF_READ);
  if (file == HFILE_ERROR) return 0;
  _lclose(file);
  return 1;
}

int DeleteSizeTableFile(const char* name) {
  char path[kTextFilePathSize];
  return BuildSizeTableFilePath(name, path, sizeof path) && DeleteFile(path);
}

INT_PTR SizeTableSaveAsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    PlaceDialogCentredOnTop(dialog);
    const char* format = gPlugin->language == 0 ? kJapaneseProposal : kEnglishProposal;
    char name[kNameFieldSize];
    for (int n = 1; n <= kLastProposal; ++n) {
      std::snprintf(name, sizeof name, format, n);
      if (!SizeTableFileExists(name)) break;
    }
    SetDlgItemText(dialog, kSaveFileAsNameEdit, name);
    return TRUE;
  }
  const int command = message == WM_COMMAND ? LOWORD(wParam) : 0;
  if (command != IDOK && command != IDCANCEL) return FALSE;
  if (command == IDOK) {
    char name[kNameFieldSize] = {};
    GetDlgItemText(dialog, kSaveFileAsNameEdit, name, sizeof name);
    CopyTextCutValidTrail(gPlugin->sizeTableName, sizeof gPlugin->sizeTableName, name);
  }
  EndDialog(dialog, command);
  return TRUE;
}
