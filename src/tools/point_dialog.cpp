#include "tools/point_dialog.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "common/dialog_placement.h"
#include "common/plugin_globals.h"
#include "engine/handle_measures.h"
#include "resources/handle_dialog_resource_ids.h"
#include "store/text_fields.h"
#include "tools/handle_dialogs_internal.h"

namespace {

constexpr const char kOffsetEnding[] = ") * %%GR_COMPSCALE%%";
// A move or coordinate this close to the current offset is no edit.
constexpr double kOffsetTolerance = 0.05;

// The fields of one axis (0 x, 1 y).
constexpr int kOffsetFields[2] = {kPointOffsetXField, kPointOffsetYField};
constexpr int kMoveFields[2] = {kPointMoveXField, kPointMoveYField};
constexpr int kCoordinateFields[2] = {kPointCoordinateXField, kPointCoordinateYField};

struct PointDialogState {
  SavedEditField saved;
  ShownTexts shown;
};
PointDialogState gPointDialog;

char (&Offset(int axis))[kExprSize] {
  PointHandleData& point = EditedPointHandle.point;
  const int16_t preset = gPlugin->currentScaleIndex;
  return axis == 0 ? point.xExpr[preset] : point.yExpr[preset];
}

double Source(int axis) { return axis == 0 ? pointSourceSegment.p.h : pointSourceSegment.p.v; }
double Graded(int axis) { return axis == 0 ? pointGradedSegment.p.h : pointGradedSegment.p.v; }
double Upp() { return gPlugin->unitPerPoint; }
// How far the handles before this one already moved the anchor, in the display unit.
double EarlierMove(int axis) { return (Graded(axis) - Source(axis)) * Upp(); }

void ShowMoveAndCoordinate(HWND dialog, int axis) {
  const double value = AmountOf(Offset(axis));
  ShowFieldNumber(dialog, &gPointDialog.shown, kMoveFields[axis], value + EarlierMove(axis));
  ShowFieldNumber(dialog, &gPointDialog.shown, kCoordinateFields[axis], value + Graded(axis) * Upp());
}

void ShowOffset(HWND dialog, int axis) {
  char text[kExprSize + 1];
  CopyField(text, Offset(axis));
  const size_t n = std::strlen(text), m = std::strlen(kOffsetEnding);
  if (text[0] == '(' && n >= m + 1 && std::strcmp(text + n - m, kOffsetEnding) == 0) {
    char inner[kExprSize];
    CopyTextCutValidTrail(inner, sizeof inner, text + 1, n - m - 1);
    ShowFieldText(dialog, &gPointDialog.shown, kOffsetFields[axis], inner);
  } else {
    ShowFieldText(dialog, &gPointDialog.shown, kOffsetFields[axis], text);
  }
}

void Initialise(HWND dialog) {
  PlaceDialogCentredOnTop(dialog);
  gPointDialog = PointDialogState{};
  for (int id : {kPointOffsetUnitLabel, kPointMoveUnitLabel, kPointCoordinateUnitLabel})
    SetDlgItemText(dialog, id, gPlugin->unitName);
  for (int axis : {0, 1}) {
    ShowOffset(dialog, axis);
    ShowMoveAndCoordinate(dialog, axis);
  }
  char name[kNameSize];
  CopyTextCutValidTrail(name, sizeof name, EditedPointHandle.name);
  SetDlgItemText(dialog, kPointNameField, name);
}

void OffsetEntered(HWND dialog, int axis) {
  char text[kExprSize];
  const int id = kOffsetFields[axis];
  if (!ReadChangedAmount(dialog, &gPointDialog.shown, id, text)) return;
  char stored[kExprSize];
  if (!WrapExpression("(", text, kOffsetEnding, stored)) {
    // Too long for the offset once stored in its form.
    RefuseFieldText(dialog, &gPointDialog.shown, id);
    return;
  }
  CopyTextCutValidTrail(gPointDialog.shown.text[id], kShownTextSize, text);
  if (SameExpression(stored, Offset(axis))) return;
  std::memcpy(Offset(axis), stored, kExprSize);
  ShowMoveAndCoordinate(dialog, axis);
  PreviewEditedHandle();
}

// A new offset from the move or coordinate field, kept at two decimals of the
// scaled value; false when it is no number or too long for the offset.
bool SetOffset(HWND dialog, int axis, double offset) {
  char number[64];
  std::snprintf(number, sizeof number, "%.2f", offset * gPlugin->grading_compscale);
  char stored[kExprSize];
  if (!std::isfinite(offset * gPlugin->grading_compscale) ||
      !WrapExpression("(", number, kOffsetEnding, stored))
    return false;
  std::memcpy(Offset(axis), stored, kExprSize);
  ShowFieldText(dialog, &gPointDialog.shown, kOffsetFields[axis], number);
  PreviewEditedHandle();
  return true;
}

void MoveEntered(HWND dialog, int axis, bool coordinate) {
  char text[kNameSize];
  ReadFieldCut(dialog, coordinate ? kCoordinateFields[axis] : kMoveFields[axis], text, sizeof text);
  const double base = coordinate ? Graded(axis) * Upp() : EarlierMove(axis);
  const double offset = TextToReal(text) - base;
  if (std::fabs(offset - AmountOf(Offset(axis))) <= kOffsetTolerance) return;
  if (!SetOffset(dialog, axis, offset)) {
    // The offset stays: both fields show it again.
    MessageBeep(0);
    ShowMoveAndCoordinate(dialog, axis);
    return;
  }
  if (coordinate) {
    ShowFieldNumber(dialog, &gPointDialog.shown, kMoveFields[axis], EarlierMove(axis) + offset);
  } else {
    ShowFieldNumber(dialog, &gPointDialog.shown, kCoordinateFields[axis], Graded(axis) * Upp() + offset);
  }
}

// Runs what losing the focus does for field id; false for any other field.
bool FieldLeft(HWND dialog, int id) {
  for (int axis : {0, 1}) {
    if (id == kOffsetFields[axis]) OffsetEntered(dialog, axis);
    if (id == kMoveFields[axis]) MoveEntered(dialog, axis, false);
    if (id == kCoordinateFields[axis]) MoveEntered(dialog, axis, true);
    if (id == kOffsetFields[axis] || id == kMoveFields[axis] || id == kCoordinateFields[axis]) return true;
  }
  return false;
}

void Command(HWND dialog, WPARAM wParam) {
  const int id = LOWORD(wParam);
  const WORD code = HIWORD(wParam);
  if (code == EN_KILLFOCUS) FieldLeft(dialog, id);
  NoteFocusLoss(&gPointDialog.saved, dialog, wParam, kPointOffsetXField, kPointOffsetYField);
  if (code == BN_CLICKED && id == kPointVariableButton) InsertPickedVariable(&gPointDialog.saved, dialog);
  if (code == BN_CLICKED && id == IDOK) {
    // Enter leaves the focus in the field: what was typed there still counts.
    FieldLeft(dialog, FocusedControl(dialog));
    ReadFieldCut(dialog, kPointNameField, EditedPointHandle.name, sizeof EditedPointHandle.name);
    CloseHandleDialog(dialog, IDOK);
  }
  if (code == BN_CLICKED && id == IDCANCEL) CloseHandleDialog(dialog, IDCANCEL);
}

}  // namespace

INT_PTR PointRevisionDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  return DispatchHandleDialog(dialog, message, wParam, Initialise, Command);
}
