// Resources shared by the dialogs that keep named files (presets, size tables):
// the name dialog of "Save As..." and the combo rows of the file commands.
// Japanese ids; the English copies are 1000 higher.
#pragma once

constexpr int kSaveFileAsDialogResource = 16061;
constexpr int kSaveFileAsNameEdit = 3;
constexpr int kSaveFileAsNameLabel = 4;

// "-", "Save", "Save As...", "Delete", at the end of a file combo.
constexpr int kFileCommandStrings = 16175;
constexpr int kFileCommandCount = 4;
