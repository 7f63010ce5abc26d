// State and steps shared by the files of the preset configuration dialog.
#pragma once

#include <cstdint>

#include "common/grading_records.h"
#include "panels/preset_config_dialog.h"

// Private messages the dialog posts to itself from the file combo box.
constexpr UINT kPresetSaveMessage = 2025;
constexpr UINT kPresetSaveAsMessage = 2026;
constexpr UINT kPresetDeleteFileMessage = 2027;

constexpr int kPresetListRowHeight = 20;
constexpr int kPresetComboRowHeight = 16;
constexpr int kMaxPresetFiles = 100;
// Longest preset file name the dialog lists, proposes or saves under.
constexpr int kPresetFileNameMax = 79;
constexpr char kUntitledPresetFile[] = "Untitled";

// Reset by the launcher for every run of the dialog.
struct PresetConfigDialogState {
  HINSTANCE instance;
  PresetRecord* working;     // 99 records; list rows name their slots
  ScalePair* workingScales;  // the scales that go with them, by scale index
  char openingFileName[kNameSize];
  // Drag feedback.
  int32_t dragSource;
  int32_t dragTarget;
  int16_t dragging;
  int16_t dragMoved;
  RECT dragFrame;
  RECT dragStartRow;
  int16_t frameShown;
  int16_t dragInside;
  // File combo box.
  int16_t currentFileEntry;
  int16_t lastFileSelection;
  // The working-copy slot of the preset that is current. When that preset is
  // removed, the one listed before it stands in (-1: it was the first row).
  int16_t currentEntry;
};
extern PresetConfigDialogState gPresetConfig;

// The working-copy slot a list row shows, or -1.
int PresetSlotOfRow(HWND dialog, int row);
int PresetListRowCount(HWND dialog);
void FillPresetList(HWND dialog);
void EnablePresetButtons(HWND dialog);
// 1 when `name` is used by a non-free working-copy record other than `exceptSlot`.
int PresetNameTaken(const char* name, int exceptSlot);

// List commands.
void TogglePresetAtClick(HWND dialog);
void RenameSelectedPreset(HWND dialog);
void RemoveSelectedPreset(HWND dialog);
void AddPreset(HWND dialog);
void TrackPresetRowDrag(HWND dialog, const DRAGLISTINFO* info);

// File combo box.
// 1 when `presetFileName` names a file (neither empty nor "Untitled").
int HasPresetFileName();
int PresetFileExists(const char* name);
// Appends the four file-command rows ("-", Save, Save As..., Delete).
void AddResourceStringsToPresetConfigCombo(HWND combo);
void FillPresetFileCombo(HWND dialog);
void OnPresetFileComboChange(HWND dialog);
void SavePresetFile(HWND dialog);
void SavePresetFileAs(HWND dialog);
void DeletePresetFile(HWND dialog);
void DrawPresetComboItem(const DRAWITEMSTRUCT* item);

// Name dialogs: 1 on OK with the text in `name` (kNameSize bytes).
intptr_t RunPresetNameDialog(HWND parent, int templateId, char* name);
intptr_t RunPresetSaveAsDialog(HWND parent, char* name);

// The module instance (its dialog resources registered) and the host's main
// window, the owner of the dialogs.
HINSTANCE PresetDialogInstance(PluginRef pluginRef);
HWND PresetDialogParent();

// Alerts through the host.
void ShowPresetMessage(const char* format, const char* name);
int AskPresetQuestion(const char* format, const char* name);
