// Ids of the preset dialogs' resources and controls (Japanese ids; the English
// copies are 1000 higher).
#pragma once

#include "resources/file_command_resources.h"

constexpr int kPresetConfigDialogResource = 16161;
constexpr int kNewPresetDialogResource = 16062;
constexpr int kCopyPresetDialogResource = 16063;
constexpr int kRenamePresetDialogResource = 16064;

// Preset configuration dialog.
constexpr int kPresetList = 3;
constexpr int kPresetRemoveButton = 4;
constexpr int kPresetEditButton = 5;
constexpr int kPresetAddButton = 6;
constexpr int kPresetFileLabel = 7;
constexpr int kPresetFileCombo = 8;

// Name dialogs.
constexpr int kPresetNameEdit = 4;
constexpr int kPresetNameLabel = 5;

// Copy preset dialog.
constexpr int kCopyPresetCombo = 4;
constexpr int kCopyPresetLabel = 5;
