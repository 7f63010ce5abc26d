// The variable edit and variable list dialogs.
#pragma once

#include <cstdint>

#include "common/grading_records.h"
#include "host_types.h"
#include "resources/variable_dialog_resources.h"
#include "win_api.h"

// What the variable edit dialog shows and gives back.
struct VariableDialogTransfer {
  char value[kVarValueSize];
  char name[kNameSize];
  uint32_t isPrivate;
};
extern VariableDialogTransfer gVariableDialogTransfer;

// A picked "title:name" needs room for two 80-character texts, the colon and
// the NUL.
constexpr int kPickedVariableSize = 162;

// Runs the variable list as a child of parent; on 1 (OK) the picked text is in
// text (kPickedVariableSize bytes). Returns the dialog result.
int32_t ShowVariableListDialog(PluginRef pluginRef, HWND parent, char* text);

INT_PTR VariableEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR VariableListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Refills the list of names for the source chosen in the combo box.
void FillVariablePickerList(HWND dialog);
LRESULT SendVariableListDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
// Consecutive string-table entries, but none that starts with "-".
void AddResourceStringsToVariableListCombo(HWND dialog, int id, int firstStringId, int count);
void AddVariableListComboString(HWND dialog, int id, const char* text);
