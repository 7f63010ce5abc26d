// The fields, lists and procedure steps of the module's small dialogs: the
// revision handle dialogs and the variable dialogs share them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/grading_records.h"
#include "win_api.h"

// A dialog procedure's opening and commands: initialise, then command for
// every WM_COMMAND.
INT_PTR DispatchHandleDialog(HWND dialog, UINT message, WPARAM wParam, void (*initialise)(HWND),
                             void (*command)(HWND, WPARAM));
LRESULT SendRevisionDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
void FillComboFromStringTable(HWND dialog, int id, int firstStringId, int count);
void AddRevisionComboString(HWND dialog, int id, const char* text);

// The last expression field that lost the focus, with its selection.
struct SavedEditField {
  HWND field;
  DWORD start;
  DWORD end;
};
// Called with every WM_COMMAND: a focus loss of one of the expression fields
// saves it, of any other control clears it.
void NoteFocusLoss(SavedEditField* saved, HWND dialog, WPARAM wParam, int firstField, int secondField);
// "Variable...": the picked name replaces the saved selection, undoably.
void InsertPickedVariable(SavedEditField* saved, HWND dialog);

// What each field was last given by the dialog, so that a field the user
// only passed through rewrites nothing.
constexpr int kShownFields = 24;
constexpr size_t kShownTextSize = 128;
struct ShownTexts {
  char text[kShownFields][kShownTextSize];
};
void ShowFieldText(HWND dialog, ShownTexts* shown, int id, const char* text);
void ShowFieldNumber(HWND dialog, ShownTexts* shown, int id, double value);
// An amount field's text, when it differs from what was shown and fits an
// amount; a longer text is refused, never cut: 0, and RefuseFieldText.
int ReadChangedAmount(HWND dialog, ShownTexts* shown, int id, char (&out)[kExprSize]);
// A text the handle cannot take: a beep, and the field shows its old text again.
void RefuseFieldText(HWND dialog, ShownTexts* shown, int id);
void ReadFieldCut(HWND dialog, int id, char* out, size_t size);
// prefix + text + suffix into an expression field; 0, and out untouched, when it would not fit.
int WrapExpression(const char* prefix, const char* text, const char* suffix, char (&out)[kExprSize]);
int SameExpression(const char* a, const char* b);
// The focused control's id in dialog, 0 when the focus is elsewhere.
int FocusedControl(HWND dialog);
