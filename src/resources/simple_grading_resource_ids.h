// Ids of the simple-grading dialogs' resources and controls (Japanese ids; the
// English copies are 1000 higher).
#pragma once

struct HINSTANCE__;

constexpr int kSizeTableDialogResource = 16163;
constexpr int kFrontBodyDialogResource = 16164;
constexpr int kBackBodyDialogResource = 16165;
constexpr int kSleeveDialogResource = 16166;
constexpr int kMeasurementDialogResource = 16167;
constexpr int kSizeTableSaveAsDialogResource = 16061;

// Combo rows "-", "Save", "Save As...", "Delete" of the size-table files.
constexpr int kSizeTableComboFirstString = 16175;
constexpr int kSizeTableComboCommandCount = 4;

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

// Name dialog of "Save As...".
constexpr int kSizeTableSaveAsNameEdit = 3;

// Adds the dialogs and strings to the module's resources; again changes nothing.
void RegisterSimpleGradingResources(HINSTANCE__* instance);
