// What the revision handle dialogs share: the edited copies, the measured
// base quantities, the group rules and the helpers of their procedures.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/grading_records.h"
#include "host_types.h"
#include "win_api.h"

// The copies the dialogs edit; OK writes them back into the handle table.
extern RevisionHandle EditedHandle;
extern RevisionHandle EditedPointHandle;
// Set by the measurement launcher when the handle's range is one circular arc.
extern int16_t isArcRange;
// The point dialog's anchor as stored in the path and as graded by the handles before it.
extern PathSegment pointSourceSegment;
extern PathSegment pointGradedSegment;

// In points, measured by ShowRevisionDialog on the piece graded by the slots before the handle.
struct MeasuredBase {
  double distance;
  double length;
  double radius;
};
extern MeasuredBase gMeasuredBase;

// The proportional value the amount dialog opened with.
extern int16_t gOpenedProportional;

// The group's common proportional value (-1 when its slots differ), worked out
// only from the group's first slot; any other slot gives its own value.
int16_t CommonProportional(int32_t slot);
// The edited copies written over their slots and the rest of the group.
// WriteBackAmountEdit reads gOpenedProportional.
void WriteBackAmountEdit(int32_t slot);
void WriteBackPointEdit(int32_t slot);

// Registers the dialogs, runs one as a child of the host's main window and
// gives 1 (OK) or 2; the live preview never outlives it.
int32_t RunHandleDialog(PluginRef pluginRef, int32_t resourceId, DLGPROC procedure);
// The amount and point dialogs' procedures: opening and commands.
INT_PTR DispatchHandleDialog(HWND dialog, UINT message, WPARAM wParam, void (*initialise)(HWND),
                             void (*command)(HWND, WPARAM));
// The amount and point dialogs' closing steps, then the dialog ends.
void CloseHandleDialog(HWND dialog, INT_PTR result);
// The handle table of the live preview is the edited one, then put back.
void PreviewEditedHandle();

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
