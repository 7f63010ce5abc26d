// The variable edit and variable list dialogs.
#pragma once

#include <cstdint>

#include "store/grading_records.h"

struct HWND__;

// What the variable edit dialog shows and gives back.
struct VariableDialogTransfer {
  char value[kVarValueSize];
  char name[kNameSize];
  uint32_t isPrivate;
};
extern VariableDialogTransfer gVariableDialogTransfer;

constexpr int kVariableEditDialogId = 16157;

intptr_t VariableEditDlgProc(HWND__* dialog, uint32_t message, uintptr_t wParam, intptr_t lParam);
