// Ids of the preset dialogs' resources and controls (Japanese ids; the English
// copies are 1000 higher).
#pragma once

struct HINSTANCE__;

constexpr int kPresetConfigDialogResource = 16161;
constexpr int kPresetSaveAsDialogResource = 16061;
constexpr int kNewPresetDialogResource = 16062;
constexpr int kCopyPresetDialogResource = 16063;
constexpr int kRenamePresetDialogResource = 16064;

// The file combo box's command rows: "-", "Save", "Save As...", "Delete".
constexpr int kPresetComboSeparatorString = 16175;
constexpr int kPresetComboCommandCount = 4;

// Preset configuration dialog.
constexpr int kPresetList = 3;
constexpr int kPresetRemoveButton = 4;
constexpr int kPresetEditButton = 5;
constexpr int kPresetAddButton = 6;
constexpr int kPresetFileLabel = 7;
constexpr int kPresetFileCombo = 8;

// Name dialogs.
constexpr int kPresetSaveAsNameEdit = 3;
constexpr int kPresetNameEdit = 4;
constexpr int kPresetNameLabel = 5;

// Copy preset dialog.
constexpr int kCopyPresetCombo = 4;
constexpr int kCopyPresetLabel = 5;

// Adds the dialogs and strings to the module's resources; calling it again
// changes nothing.
void RegisterPresetDialogResources(HINSTANCE__* instance);
