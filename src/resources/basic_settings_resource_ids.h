// The basic settings dialog: its resource id and the ids of its controls.
#pragma once

struct HINSTANCE__;

constexpr int kBasicSettingsDialogResource = 16152;  // English copy at 17152

constexpr int kBasicOriginLabel = 3;
constexpr int kBasicOriginXEdit = 4;
constexpr int kBasicOriginYEdit = 5;
constexpr int kBasicAngleLabel = 6;
constexpr int kBasicAngleEdit = 7;
constexpr int kBasicScaleLabel = 8;
constexpr int kBasicScaleHEdit = 9;
constexpr int kBasicScaleVEdit = 10;
constexpr int kBasicLockCheck = 11;
constexpr int kBasicUnitNameLabel = 14;
constexpr int kBasicScalePercentLabel = 17;
constexpr int kBasicCompScaleLabel = 18;
constexpr int kBasicCompScaleCombo = 19;
constexpr int kBasicNameLabel = 20;
constexpr int kBasicNameEdit = 21;
constexpr int kBasicCompPercentLabel = 22;
constexpr int kBasicUnitLabel = 23;
constexpr int kBasicUnitCombo = 24;

// The compilation scales offered in combo 19 ("10" ... "500").
constexpr int kBasicCompScaleStrings = 16301;
constexpr int kBasicCompScaleStringCount = 10;

// Adds both copies of the dialog and its strings to the module's resources
// (again is harmless).
void RegisterBasicSettingsResources(HINSTANCE__* instance);
