// Ids of the variable dialogs' resources and controls (Japanese ids; the
// English copies are 1000 higher).
#pragma once

struct HINSTANCE__;

constexpr int kVariableEditDialogId = 16157;
constexpr int kVariableListDialogId = 16159;

// Edit dialog.
constexpr int kVarEditNameLabel = 3;
constexpr int kVarEditValueField = 4;
constexpr int kVarEditNameField = 5;
constexpr int kVarEditVariableButton = 6;
constexpr int kVarEditPrivateCheck = 7;

// List dialog.
constexpr int kVarListSourceCombo = 3;
constexpr int kVarListNames = 4;

// "Local variable", then "Environment variable".
constexpr int kVarListSourceStrings = 16081;
constexpr int kVarListSourceStringCount = 2;

// Adds the dialogs and strings to the module's resources; calling it again
// changes nothing.
void RegisterVariableDialogResources(HINSTANCE__ *instance);
