// The revision handle dialogs: resource ids and the ids of their controls.
#pragma once

// Japanese copies; the English copy of each is id + 1000.
constexpr int kPointDialogResource = 16153;
constexpr int kDistanceDialogResource = 16154;
constexpr int kLengthDialogResource = 16155;
constexpr int kMeasurementDialogResource = 16158;
constexpr int kArcDialogResource = 16160;
constexpr int kAngleDialogResource = 16162;
// The four direction texts of the distance dialog's type list.
constexpr int kDirectionStrings = 16071;
constexpr int kDirectionStringCount = 4;

// Amount dialogs.
constexpr int kAmountPercentField = 4;
constexpr int kAmountLengthField = 5;
constexpr int kAmountPercentLabel = 6;
constexpr int kAmountUnitLabel = 7;
constexpr int kAmountNameLabel = 8;
constexpr int kAmountNameField = 9;
constexpr int kAmountTypeLabel = 10;
constexpr int kAmountTypeCombo = 11;
constexpr int kAmountBothEndsCheck = 12;
constexpr int kAmountVariableButton = 13;
constexpr int kAmountMovingCheck = 21;
constexpr int kAmountProportionalCheck = 22;

// Point dialog.
constexpr int kPointOffsetLabel = 3;
constexpr int kPointOffsetXField = 4;
constexpr int kPointOffsetYField = 5;
constexpr int kPointMoveLabel = 6;
constexpr int kPointMoveXField = 7;
constexpr int kPointMoveYField = 8;
constexpr int kPointCoordinateLabel = 9;
constexpr int kPointCoordinateXField = 10;
constexpr int kPointCoordinateYField = 11;
constexpr int kPointNameLabel = 12;
constexpr int kPointNameField = 13;
constexpr int kPointOffsetUnitLabel = 20;
constexpr int kPointMoveUnitLabel = 21;
constexpr int kPointCoordinateUnitLabel = 22;
constexpr int kPointVariableButton = 23;

// Measurement dialog: each field names the variable that receives a measured value.
constexpr int kMeasureDistanceLabel = 3;
constexpr int kMeasureDistanceField = 4;
constexpr int kMeasureAngleLabel = 5;
constexpr int kMeasureAngleField = 6;
constexpr int kMeasureLengthLabel = 7;
constexpr int kMeasureLengthField = 8;
constexpr int kMeasureRadiusLabel = 9;
constexpr int kMeasureRadiusField = 10;
constexpr int kMeasureNote = 11;
