#include <cstdio>
#include <cstring>

#include "common/dialog_placement.h"
#include "common/plugin_globals.h"
#include "resources/file_command_resources.h"
#include "resources/simple_grading_resource_ids.h"
#include "simple_grading/simple_grading_dialogs.h"
#include "store/size_table_file.h"
#include "store/text_fields.h"
#include "text/localize.h"

namespace {

constexpr UINT kSaveMessage = 2025;
constexpr UINT kSaveAsMessage = 2026;
constexpr UINT kDeleteMessage = 2027;
constexpr int kMessageSize = 512;

// The combo-4 entry of the current file, and the last selection seen there.
int16_t gCurrentEntry = 0;
int32_t gLastSeenEntry = -1;

const char* InLanguage(const char* japanese, const char* english) {
  return gPlugin->language == 0 ? japanese : english;
}

HWND FileCombo(HWND dialog) { return GetDlgItem(dialog, kSizeTableFileCombo); }

int EntryCount(HWND dialog) { return static_cast<int>(SendMessage(FileCombo(dialog), CB_GETCOUNT, 0, 0)); }

void SelectEntry(HWND dialog, int entry) {
  SendMessage(FileCombo(dialog), CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  gLastSeenEntry = entry;
}

void BackToCurrent(HWND dialog) { SelectEntry(dialog, gCurrentEntry); }

int IsUntitled() { return std::strcmp(gPlugin->sizeTableName, kUntitledSizeTable) == 0; }

void SetName(const char* name) {
  CopyTextCutValidTrail(gPlugin->sizeTableName, sizeof gPlugin->sizeTableName, name);
}

// The current entry's text becomes the size-table name, which is loaded and shown.
void LoadCurrentEntry(HWND dialog) {
  char name[256];
  GetSizeTableComboText(FileCombo(dialog), gCurrentEntry, name, sizeof name);
  SetName(name);
  ReadSizeTableFile(gPlugin->sizeTableName);
  FillSizeTableControls(dialog);
}

void ShowSaveFailed(HWND dialog, const char* name) {
  char text[kMessageSize];
  if (gPlugin->language == 0) {
    std::snprintf(text, sizeof text, kSaveFailedJapanese, name, -1);
  } else {
    std::snprintf(text, sizeof text, kSaveFailedEnglish, name);
  }
  MessageBeep(MB_BEEP_DEFAULT);
  MessageBox(dialog, text, nullptr, MB_OK | MB_ICONINFORMATION);
}

int Ask(HWND dialog, const char* japanese, const char* english, const char* name) {
  char text[kMessageSize];
  std::snprintf(text, sizeof text, InLanguage(japanese, english), name);
  return MessageBox(dialog, text, nullptr, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void OpenSizeTableDialog(HWND dialog) {
  PlaceDialogCentredOnTop(dialog);
  FillSizeTableControls(dialog);
  HWND combo = FileCombo(dialog);
  const LRESULT itemHeight = SendMessage(combo, CB_GETITEMHEIGHT, 0, 0);
  if (itemHeight > 2) SendMessage(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight - 2);
  SendMessage(combo, CB_RESETCONTENT, 0, 0);
  SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kUntitledSizeTable));
  AddResourceStringsToSizeTableCombo(dialog, kSizeTableFileCombo,
                                     ResourceIdUnlessJapanese(kFileCommandStrings), kFileCommandCount);
  static char names[kMaxListedSizeTables][256];
  const int count = ListSizeTableFiles(names, kMaxListedSizeTables);
  gCurrentEntry = -1;
  for (int i = 0; i < count; ++i) {
    SendMessage(combo, CB_INSERTSTRING, static_cast<WPARAM>(i + 1), reinterpret_cast<LPARAM>(names[i]));
    if (gCurrentEntry < 0 && std::strcmp(names[i], gPlugin->sizeTableName) == 0) {
      gCurrentEntry = static_cast<int16_t>(i + 1);
    }
  }
  if (gCurrentEntry < 0) {
    SetName(kUntitledSizeTable);
    gCurrentEntry = 0;
  }
  BackToCurrent(dialog);
}

void FileEntryChosen(HWND dialog) {
  const int entry = static_cast<int>(SendMessage(FileCombo(dialog), CB_GETCURSEL, 0, 0));
  if (entry == gLastSeenEntry) return;
  gLastSeenEntry = entry;
  const int count = EntryCount(dialog);
  if (entry == count - 4) {
    BackToCurrent(dialog);
  } else if (entry == count - 3 || entry == count - 1) {
    if (IsUntitled()) {
      BackToCurrent(dialog);
    } else {
      PostMessage(dialog, entry == count - 3 ? kSaveMessage : kDeleteMessage, 0, 0);
    }
  } else if (entry == count - 2) {
    PostMessage(dialog, kSaveAsMessage, 0, 0);
  } else if (entry >= 0 && entry != gCurrentEntry) {
    gCurrentEntry = static_cast<int16_t>(entry);
    LoadCurrentEntry(dialog);
  }
}

void BasicSizeChosen(HWND dialog) {
  PluginGlobals* g = gPlugin;
  const LRESULT row = SendSizeTableDlgItemMessage(dialog, kSizeTableBasicCombo, CB_GETCURSEL, 0, 0);
  const int old = g->simpleGrading.grading_basic_size;
  if (row < 0 || row >= kSizeTableRows || row == old) return;
  if (old >= 0 && old < kSizeTableRows)
    EnableWindow(GetDlgItem(dialog, kSizeTableFirstCell + 10 * old), TRUE);
  g->simpleGrading.grading_basic_size = static_cast<int16_t>(row);
  g->sizeTable[row].pitch = 100;
  HWND pitch = GetDlgItem(dialog, kSizeTableFirstCell + 10 * static_cast<int>(row));
  SetWindowText(pitch, "100");
  EnableWindow(pitch, FALSE);
}

void SaveCurrent(HWND dialog) {
  ReadSizeTableControls(dialog);
  if (!WriteSizeTableFile(gPlugin->sizeTableName)) ShowSaveFailed(dialog, gPlugin->sizeTableName);
  BackToCurrent(dialog);
}

// The entry of a listed name, compared with case; -1 when not listed.
int FindFileEntry(HWND dialog, const char* name) {
  const int files = EntryCount(dialog) - kFileCommandCount;
  for (int i = 1; i < files; ++i) {
    char text[256];
    if (GetSizeTableComboText(FileCombo(dialog), i, text, sizeof text) && std::strcmp(text, name) == 0)
      return i;
  }
  return -1;
}

void SaveAs(HWND dialog) {
  char kept[sizeof gPlugin->sizeTableName];
  std::memcpy(kept, gPlugin->sizeTableName, sizeof kept);
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtr(dialog, GWLP_HINSTANCE));
  const int id = ResourceIdUnlessJapanese(kSaveFileAsDialogResource);
  if (DialogBoxParam(instance, MAKEINTRESOURCE(id), dialog, SizeTableSaveAsDlgProc, 0) == IDOK) {
    if (!IsListedSizeTableName(gPlugin->sizeTableName)) {
      // A file the list would never show again could not be chosen again.
      ShowSaveFailed(dialog, gPlugin->sizeTableName);
      SetName(kept);
    } else if (SizeTableFileExists(gPlugin->sizeTableName) &&
               !Ask(dialog, kOverwriteJapanese, kOverwriteEnglish, gPlugin->sizeTableName)) {
      SetName(kept);
    } else {
      ReadSizeTableControls(dialog);
      if (!WriteSizeTableFile(gPlugin->sizeTableName)) {
        ShowSaveFailed(dialog, gPlugin->sizeTableName);
        SetName(kept);
      } else {
        // A file written over is shown by its own entry, not the one before.
        int entry = FindFileEntry(dialog, gPlugin->sizeTableName);
        if (entry < 0) {
          entry = EntryCount(dialog) - kFileCommandCount;
          SendMessage(FileCombo(dialog), CB_INSERTSTRING, static_cast<WPARAM>(entry),
                      reinterpret_cast<LPARAM>(gPlugin->sizeTableName));
        }
        gCurrentEntry = static_cast<int16_t>(entry);
      }
    }
  }
  BackToCurrent(dialog);
}

void DeleteCurrent(HWND dialog) {
  if (!Ask(dialog, kDeleteFileJapanese, kDeleteFileEnglish, gPlugin->sizeTableName)) {
    BackToCurrent(dialog);
    return;
  }
  if (!DeleteSizeTableFile(gPlugin->sizeTableName)) {
    // A file that stays on disk keeps its entry.
    MessageBeep(MB_BEEP_DEFAULT);
    BackToCurrent(dialog);
    return;
  }
  if (gCurrentEntry > 0) {
    SendMessage(FileCombo(dialog), CB_DELETESTRING, static_cast<WPARAM>(gCurrentEntry), 0);
    const int files = EntryCount(dialog) - kFileCommandCount;
    if (gCurrentEntry >= files) gCurrentEntry = static_cast<int16_t>(files - 1);
  }
  BackToCurrent(dialog);
  LoadCurrentEntry(dialog);
}

}  // namespace

INT_PTR SizeTableDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OpenSizeTableDialog(dialog);
      return TRUE;
    case WM_DRAWITEM:
      if (wParam != static_cast<WPARAM>(kSizeTableFileCombo)) return FALSE;
      DrawSizeTableComboItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case kSaveMessage:
      SaveCurrent(dialog);
      return TRUE;
    case kSaveAsMessage:
      SaveAs(dialog);
      return TRUE;
    case kDeleteMessage:
      DeleteCurrent(dialog);
      return TRUE;
    case WM_COMMAND:
      break;
    default:
      return FALSE;
  }
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (id == kSizeTableFileCombo && code == CBN_SELCHANGE) {
    FileEntryChosen(dialog);
  } else if (id == kSizeTableBasicCombo && code == CBN_SELCHANGE) {
    BasicSizeChosen(dialog);
  } else if (id == IDOK) {
    ReadSizeTableControls(dialog);
    EndDialog(dialog, IDOK);
  } else if (id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
  } else {
    return FALSE;
  }
  return TRUE;
}
