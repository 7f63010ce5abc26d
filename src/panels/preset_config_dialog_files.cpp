// The preset files of the configuration dialog: the file combo box, loading a
// chosen file into the working copy, and saving, saving as and deleting files.
#include <cstdio>
#include <cstring>

#include "common/plugin_globals.h"
#include "panels/file_save_alert.h"
#include "panels/preset_config_dialog_internal.h"
#include "resources/preset_dialog_resources.h"
#include "store/preferences_file.h"
#include "store/preferences_paths.h"
#include "store/text_fields.h"
#include "text/localize.h"

namespace {

// The preset table as the preferences code reads and writes it.
struct PresetTableCopy {
  PresetRecord presets[kMaxPresets];
  ScalePair scales[kMaxPresets];
};

void KeepPresetTable(PresetTableCopy* copy) {
  std::memcpy(copy->presets, gPlugin->presets, sizeof copy->presets);
  std::memcpy(copy->scales, gPlugin->presetScale, sizeof copy->scales);
}

void RestorePresetTable(const PresetTableCopy& copy) {
  std::memcpy(gPlugin->presets, copy.presets, sizeof copy.presets);
  std::memcpy(gPlugin->presetScale, copy.scales, sizeof copy.scales);
}

bool EnglishTexts() { return gPlugin->language != kLanguageJapanese; }

HWND FileCombo(HWND dialog) { return GetDlgItem(dialog, kPresetFileCombo); }

int FileEntryCount(HWND dialog) {
  const LRESULT count = SendMessage(FileCombo(dialog), CB_GETCOUNT, 0, 0);
  return count > kFileCommandCount ? static_cast<int>(count) - kFileCommandCount : 0;
}

// The entry's text; empty when there is none or it does not fit.
void FileEntryText(HWND dialog, int entry, char* out, int size) {
  out[0] = '\0';
  const LRESULT length = SendMessage(FileCombo(dialog), CB_GETLBTEXTLEN, static_cast<WPARAM>(entry), 0);
  if (length >= 0 && length < size)
    SendMessage(FileCombo(dialog), CB_GETLBTEXT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(out));
}

int FindFileEntry(HWND dialog, const char* name) {
  const int files = FileEntryCount(dialog);
  for (int entry = 0; entry < files; ++entry) {
    char text[kNameSize];
    FileEntryText(dialog, entry, text, sizeof text);
    if (std::strcmp(text, name) == 0) return entry;
  }
  return -1;
}

void SelectFileEntry(HWND dialog, int entry) {
  gPresetConfig.currentFileEntry = static_cast<int16_t>(entry);
  gPresetConfig.lastFileSelection = static_cast<int16_t>(entry);
  SendMessage(FileCombo(dialog), CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

void ReselectCurrentFile(HWND dialog) { SelectFileEntry(dialog, gPresetConfig.currentFileEntry); }

int CompareIgnoringCase(const char* a, const char* b) {
  for (;; ++a, ++b) {
    int x = static_cast<unsigned char>(*a);
    int y = static_cast<unsigned char>(*b);
    if (x >= 'a' && x <= 'z') x -= 'a' - 'A';
    if (y >= 'a' && y <= 'z') y -= 'a' - 'A';
    if (x != y || x == 0) return x - y;
  }
}

// A name the listing shows: files under other names could never be chosen.
bool IsListedFileName(const char* name) {
  const size_t length = std::strlen(name);
  return length > 0 && length <= static_cast<size_t>(kPresetFileNameMax) && name[0] != '@' &&
         std::strncmp(name, kUntitledPresetFile, sizeof kUntitledPresetFile - 1) != 0 &&
         IsUsableFileName(name);
}

// The file name without ".ini"; false for other files.
bool PresetNameOfFile(const char* fileName, char* name, size_t size) {
  const size_t length = std::strlen(fileName);
  if (length < 4 || CompareIgnoringCase(fileName + length - 4, kPresetFileExtension) != 0) return false;
  if (length - 4 >= size) return false;
  std::memcpy(name, fileName, length - 4);
  name[length - 4] = '\0';
  return IsListedFileName(name);
}

void InsertFileSorted(HWND dialog, const char* name, int files) {
  int at = 0;
  for (; at < files; ++at) {
    char text[kNameSize];
    FileEntryText(dialog, at, text, sizeof text);
    if (CompareIgnoringCase(text, name) > 0) break;
  }
  SendMessage(FileCombo(dialog), CB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(name));
}

// Writes the list, in list order, to the file `presetFileName`.
bool WriteListToPresetFile(HWND dialog) {
  PresetTableCopy kept;
  KeepPresetTable(&kept);
  RebuildPresetTableFromList(dialog);
  const bool written =
      IsListedFileName(gPlugin->presetFileName) && WritePreferencesIni(gPlugin->presetFileName);
  RestorePresetTable(kept);
  if (!written) {
    ShowFileSaveFailed(gPlugin->presetFileName);
    return false;
  }
  WritePreferencesIni(nullptr);  // remembers the file's name
  return true;
}

// In a set taken from a file the preset of the current scale index, whose
// amounts the handles keep, stays current; without one the first row stands in.
void FollowCurrentPresetIntoSet() {
  gPresetConfig.currentEntry = -1;
  for (int16_t slot = 0; slot < kMaxPresets && gPresetConfig.currentEntry < 0; ++slot) {
    const PresetRecord& preset = gPresetConfig.working[slot];
    if (!preset.empty && preset.scaleIndex == gPlugin->currentScaleIndex) gPresetConfig.currentEntry = slot;
  }
}

}  // namespace

int HasPresetFileName() {
  const char* name = gPlugin->presetFileName;
  return name[0] != '\0' && std::strcmp(name, kUntitledPresetFile) != 0;
}

int PresetFileExists(const char* name) {
  char path[MAX_PATH];
  if (!BuildPresetFilePath(name, path, sizeof path)) return 0;
  const HFILE file = _lopen(path, OF_READ);
  if (file == HFILE_ERROR) return 0;
  _lclose(file);
  return 1;
}

void AddResourceStringsToPresetConfigCombo(HWND combo) {
  for (int i = 0; i < kFileCommandCount; ++i) {
    char text[64];
    LoadString(gPresetConfig.instance,
               static_cast<UINT>(DialogIdForLanguage(kFileCommandStrings + i)), text, sizeof text);
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
}

void FillPresetFileCombo(HWND dialog) {
  HWND combo = FileCombo(dialog);
  SendMessage(combo, CB_RESETCONTENT, 0, 0);
  gPresetConfig.currentFileEntry = 0;
  AddResourceStringsToPresetConfigCombo(combo);
  char pattern[MAX_PATH];
  int files = 0;
  if (GetPresetFolderPath(pattern, sizeof pattern) && std::strlen(pattern) + 6 < sizeof pattern) {
    std::strcat(pattern, "*");
    std::strcat(pattern, kPresetFileExtension);
    WIN32_FIND_DATA found{};
    HANDLE find = FindFirstFile(pattern, &found);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        char name[kNameSize];
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (!PresetNameOfFile(found.cFileName, name, sizeof name)) continue;
        InsertFileSorted(dialog, name, files++);
      } while (files < kMaxPresetFiles && FindNextFile(find, &found));
      FindClose(find);
    }
  }
  int current = FindFileEntry(dialog, gPlugin->presetFileName);
  if (current < 0) {
    SendMessage(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(kUntitledPresetFile));
    CopyTextCutValidTrail(gPlugin->presetFileName, sizeof gPlugin->presetFileName, kUntitledPresetFile);
    current = 0;
  }
  SelectFileEntry(dialog, current);
}

void OnPresetFileComboChange(HWND dialog) {
  const LRESULT selection = SendMessage(FileCombo(dialog), CB_GETCURSEL, 0, 0);
  if (selection == gPresetConfig.lastFileSelection) return;
  gPresetConfig.lastFileSelection = static_cast<int16_t>(selection);
  if (selection < 0) return;
  const int files = FileEntryCount(dialog);
  if (selection < files) {
    if (selection != gPresetConfig.currentFileEntry) {
      gPresetConfig.currentFileEntry = static_cast<int16_t>(selection);
      RefreshPresetList(dialog);
    }
    return;
  }
  switch (selection - files) {
    case 1:  // Save
      if (!HasPresetFileName()) break;
      PostMessage(dialog, kPresetSaveMessage, 0, 0);
      return;
    case 2:  // Save As...
      PostMessage(dialog, kPresetSaveAsMessage, 0, 0);
      return;
    case 3:  // Delete
      if (!HasPresetFileName()) break;
      PostMessage(dialog, kPresetDeleteFileMessage, 0, 0);
      return;
    default:
      break;
  }
  ReselectCurrentFile(dialog);
}

void RefreshPresetList(HWND dialog) {
  PluginGlobals& g = *gPlugin;
  PresetTableCopy kept;
  KeepPresetTable(&kept);
  char text[kNameSize];
  FileEntryText(dialog, gPresetConfig.currentFileEntry, text, sizeof text);
  CopyPresetConfigStringLeft(g.presetFileName, text, kPresetFileNameMax);
  if (std::strcmp(g.presetFileName, kUntitledPresetFile) == 0) g.presetFileName[0] = '\0';
  if (g.presetFileName[0] != '\0') ReadPreferencesIni(g.presetFileName);
  std::memcpy(gPresetConfig.working, g.presets, sizeof g.presets);
  std::memcpy(gPresetConfig.workingScales, g.presetScale, sizeof g.presetScale);
  RestorePresetTable(kept);
  FollowCurrentPresetIntoSet();
  FillPresetList(dialog);
  EnablePresetButtons(dialog);
}

void SavePresetFile(HWND dialog) {
  if (HasPresetFileName()) WriteListToPresetFile(dialog);
  ReselectCurrentFile(dialog);
}

void SavePresetFileAs(HWND dialog) {
  PluginGlobals& g = *gPlugin;
  char kept[kNameSize];
  CopyTextCutValidTrail(kept, sizeof kept, g.presetFileName);
  char name[kNameSize] = {};
  if (RunPresetSaveAsDialog(dialog, name) != IDOK) {
    ReselectCurrentFile(dialog);
    return;
  }
  CopyPresetConfigStringLeft(g.presetFileName, name, kPresetFileNameMax);
  if (IsListedFileName(g.presetFileName) && PresetFileExists(g.presetFileName) &&
      !AskPresetQuestion(EnglishTexts() ? kOverwriteEnglish : kOverwriteJapanese, g.presetFileName)) {
    CopyTextCutValidTrail(g.presetFileName, sizeof g.presetFileName, kept);
    ReselectCurrentFile(dialog);
    return;
  }
  if (!WriteListToPresetFile(dialog)) {
    CopyTextCutValidTrail(g.presetFileName, sizeof g.presetFileName, kept);
    ReselectCurrentFile(dialog);
    return;
  }
  int entry = FindFileEntry(dialog, g.presetFileName);
  if (entry < 0) {
    entry = FileEntryCount(dialog);
    SendMessage(FileCombo(dialog), CB_INSERTSTRING, static_cast<WPARAM>(entry),
                reinterpret_cast<LPARAM>(g.presetFileName));
  }
  SelectFileEntry(dialog, entry);
}

void DeletePresetFile(HWND dialog) {
  PluginGlobals& g = *gPlugin;
  char path[MAX_PATH];
  if (!HasPresetFileName() ||
      !AskPresetQuestion(EnglishTexts() ? kDeleteFileEnglish : kDeleteFileJapanese, g.presetFileName)) {
    ReselectCurrentFile(dialog);
    return;
  }
  // A file that stays on disk keeps its entry.
  if (!BuildPresetFilePath(g.presetFileName, path, sizeof path) || !DeleteFile(path)) {
    MessageBeep(MB_BEEP_DEFAULT);
    ReselectCurrentFile(dialog);
    return;
  }
  SendMessage(FileCombo(dialog), CB_DELETESTRING, static_cast<WPARAM>(gPresetConfig.currentFileEntry), 0);
  if (FileEntryCount(dialog) == 0)
    SendMessage(FileCombo(dialog), CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(kUntitledPresetFile));
  SelectFileEntry(dialog, 0);
  RefreshPresetList(dialog);
}
