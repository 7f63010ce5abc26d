// Ids of the simple-grading dialogs' resources and controls (Japanese ids; the
// English copies are 1000 higher).
#pragma once

#include "resources/file_command_resources.h"

constexpr int kSizeTableDialogResource = 16163;
constexpr int kFrontBodyDialogResource = 16164;
constexpr int kBackBodyDialogResource = 16165;
constexpr int kSleeveDialogResource = 16166;
constexpr int kMeasurementDialogResource = 16167;

// Body, sleeve and measurement dialogs.
constexpr int kProportionPicture = 3;
constexpr int kProportionEdits[4] = {5, 8, 11, 14};
constexpr int kRotationFirstRadio = 20;  // 20..23: 0, 90, 180, 270 degrees
constexpr int kMeasureLengthEdit = 5;
constexpr int kMeasureTypeFirstRadio = 11;  // 11..18
constexpr int kMeasureTypeCount = 8;

// Size table dialog.
constexpr int kSizeTableFileCombo = 4;
constexpr int kSizeTableBasicCombo = 6;
constexpr int kSizeTableRowLabel = 20;   // + 10 * row
constexpr int kSizeTableFirstCell = 21;  // + 10 * row + column
