#include "tools/revision_dialog.h"

#include <cstdio>
#include <cstring>

#include "common/dialog_placement.h"
#include "common/plugin_globals.h"
#include "engine/handle_measures.h"
#include "expr/script.h"
#include "resources/handle_dialog_resource_ids.h"
#include "store/text_fields.h"
#include "tools/handle_dialogs_internal.h"

namespace {

constexpr const char kCompScaleTail[] = " * %%GR_COMPSCALE%%";
constexpr const char kMovingPrefix[] = "moving_distance(";
constexpr const char kDistanceForm[] = ") / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%";

struct AmountDialogState {
  SavedEditField saved;
  ShownTexts shown;
};
AmountDialogState gAmount;

bool IsAngle() { return EditedHandle.kind == kHandleAngle; }

char (&Amount())[kExprSize] { return EditedHandle.line.amountExpr[gPlugin->currentScaleIndex]; }

const char* BaseMacro() {
  if (EditedHandle.kind == kHandleLength) return "%%LENGTH%%";
  if (EditedHandle.kind == kHandleArc) return "%%RADIUS%%";
  return "%%DISTANCE%%";
}

double BaseQuantity() {
  if (EditedHandle.kind == kHandleLength) return gMeasuredBase.length;
  if (EditedHandle.kind == kHandleArc) return gMeasuredBase.radius;
  return gMeasuredBase.distance;
}

// ") / %%DISTANCE%% * 100", with compScale the longer stored ending.
void Ending(char* out, size_t size, bool compScale) {
  std::snprintf(out, size, ") / %s * 100%s", BaseMacro(), compScale ? kCompScaleTail : "");
}

// Display-unit length of one percent step; 0 when the base or the scale is 0.
double UnitLengthPerPercent() {
  const PluginGlobals& g = *gPlugin;
  if (g.grading_compscale == 0) return 0;
  return BaseQuantity() * g.unitPerPoint / g.grading_compscale / 100;
}

double LengthFromPercent() { return AmountOf(Amount()) * UnitLengthPerPercent(); }

double PercentOfLength(const char* lengthText) {
  const double step = UnitLengthPerPercent();
  return step == 0 ? 0 : EvaluateExpressionToNumber(lengthText) / step;
}

bool StartsWith(const char* text, const char* start) {
  return std::strncmp(text, start, std::strlen(start)) == 0;
}

bool EndsWith(const char* text, const char* end) {
  const size_t n = std::strlen(text), m = std::strlen(end);
  return n >= m && std::strcmp(text + n - m, end) == 0;
}

// The text between a start and an ending of text.
void Between(const char* text, size_t start, size_t ending, char (&out)[kExprSize]) {
  const size_t n = std::strlen(text);
  const size_t length = n >= start + ending ? n - start - ending : 0;
  CopyTextCutValidTrail(out, sizeof out, text + start, length);
}

// The stored amount shown as a percent and as a length.
void ShowAmount(HWND dialog) {
  char t[kExprSize + 1];
  CopyField(t, Amount());
  ShownTexts* shown = &gAmount.shown;
  if (IsAngle()) {
    ShowFieldText(dialog, shown, kAmountPercentField, t);
    return;
  }
  char plain[96], scaled[128], inner[kExprSize];
  Ending(plain, sizeof plain, false);
  Ending(scaled, sizeof scaled, true);
  const bool distance = std::strcmp(BaseMacro(), "%%DISTANCE%%") == 0;
  if (t[0] == '(' && (EndsWith(t, plain) || EndsWith(t, scaled))) {
    Between(t, 1, std::strlen(EndsWith(t, plain) ? plain : scaled), inner);
    ShowFieldText(dialog, shown, kAmountLengthField, inner);
    ShowFieldNumber(dialog, shown, kAmountPercentField, PercentOfLength(inner));
  } else if (distance && StartsWith(t, kMovingPrefix) && EndsWith(t, scaled)) {
    Between(t, std::strlen(kMovingPrefix), std::strlen(scaled), inner);
    char moving[kExprSize + 32];
    std::snprintf(moving, sizeof moving, "%s%s)", kMovingPrefix, inner);
    ShowFieldText(dialog, shown, kAmountLengthField, inner);
    ShowFieldNumber(dialog, shown, kAmountPercentField, PercentOfLength(moving));
    CheckDlgButton(dialog, kAmountMovingCheck, BST_CHECKED);
  } else {
    ShowFieldText(dialog, shown, kAmountPercentField, t);
    ShowFieldNumber(dialog, shown, kAmountLengthField, LengthFromPercent());
  }
}

// The direction list: the four fixed directions, then the measurement handles' angle names.
void FillDirections(HWND dialog) {
  const PluginGlobals& g = *gPlugin;
  FillComboFromStringTable(dialog, kAmountTypeCombo, kDirectionStrings, kDirectionStringCount);
  while (SendRevisionDlgItemMessage(dialog, kAmountTypeCombo, CB_GETCOUNT, 0, 0) > kDirectionStringCount)
    SendRevisionDlgItemMessage(dialog, kAmountTypeCombo, CB_DELETESTRING, kDirectionStringCount, 0);
  bool separated = false;
  for (int32_t s = 0; s < kMaxHandles; ++s) {
    const RevisionHandle& h = g.handles[s];
    if (h.kind != kHandleMeasurement || h.line.amountExpr[1][0] == '\0') continue;
    if (!separated) AddRevisionComboString(dialog, kAmountTypeCombo, "-");
    separated = true;
    char name[kExprSize + 1];
    CopyField(name, h.line.amountExpr[1]);
    AddRevisionComboString(dialog, kAmountTypeCombo, name);
  }
  const LRESULT count = SendRevisionDlgItemMessage(dialog, kAmountTypeCombo, CB_GETCOUNT, 0, 0);
  if (EditedHandle.direction < 0 || EditedHandle.direction >= count) EditedHandle.direction = 0;
  SendRevisionDlgItemMessage(dialog, kAmountTypeCombo, CB_SETCURSEL,
                             static_cast<WPARAM>(EditedHandle.direction), 0);
  CheckDlgButton(dialog, kAmountBothEndsCheck, EditedHandle.bothEnds ? BST_CHECKED : BST_UNCHECKED);
  SendRevisionDlgItemMessage(dialog, kAmountProportionalCheck, BM_SETSTYLE, BS_AUTO3STATE | BS_NOTIFY, TRUE);
  const int16_t p = EditedHandle.proportional;
  CheckDlgButton(dialog, kAmountProportionalCheck,
                 p == -1 ? BST_INDETERMINATE : (p ? BST_CHECKED : BST_UNCHECKED));
}

void Initialise(HWND dialog) {
  PlaceDialogCentredOnTop(dialog);
  gAmount = AmountDialogState{};
  if (!IsAngle()) SetDlgItemText(dialog, kAmountUnitLabel, gPlugin->unitName);
  ShowAmount(dialog);
  if (EditedHandle.kind == kHandleDistance) FillDirections(dialog);
  char name[kNameSize];
  CopyTextCutValidTrail(name, sizeof name, EditedHandle.name);
  SetDlgItemText(dialog, kAmountNameField, name);
}

void PercentEntered(HWND dialog) {
  char text[kExprSize];
  if (!ReadChangedAmount(dialog, &gAmount.shown, kAmountPercentField, text)) return;
  CopyTextCutValidTrail(gAmount.shown.text[kAmountPercentField], kShownTextSize, text);
  if (!SameExpression(text, Amount())) CopyTextCutValidTrail(Amount(), kExprSize, text);
  if (!IsAngle()) ShowFieldNumber(dialog, &gAmount.shown, kAmountLengthField, LengthFromPercent());
  PreviewEditedHandle();
}

// The length of field 5 stored as a percent of the base; 0 when it would not fit the field.
int StoreLength(HWND dialog, const char* length) {
  const bool moving = IsDlgButtonChecked(dialog, kAmountMovingCheck) == BST_CHECKED;
  char ending[128];
  Ending(ending, sizeof ending, true);
  char stored[kExprSize];
  if (!WrapExpression(moving ? kMovingPrefix : "(", length, ending, stored)) return 0;
  if (SameExpression(stored, Amount())) return 1;
  std::memcpy(Amount(), stored, kExprSize);
  ShowFieldNumber(dialog, &gAmount.shown, kAmountPercentField, AmountOf(Amount()));
  PreviewEditedHandle();
  return 1;
}

void LengthEntered(HWND dialog) {
  char text[kExprSize];
  if (!ReadChangedAmount(dialog, &gAmount.shown, kAmountLengthField, text)) return;
  if (!StoreLength(dialog, text)) {
    // Too long for the amount once stored in its form.
    RefuseFieldText(dialog, &gAmount.shown, kAmountLengthField);
    return;
  }
  CopyTextCutValidTrail(gAmount.shown.text[kAmountLengthField], kShownTextSize, text);
}

void MovingClicked(HWND dialog) {
  char t[kExprSize + 1];
  CopyField(t, Amount());
  if (std::strstr(t, kDistanceForm) == nullptr) return;
  char text[kNameSize];
  ReadFieldCut(dialog, kAmountLengthField, text, sizeof text);
  if (StoreLength(dialog, text)) return;
  MessageBeep(0);
  CheckDlgButton(dialog, kAmountMovingCheck,
                 IsDlgButtonChecked(dialog, kAmountMovingCheck) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
}

void OptionsChanged(HWND dialog, int id) {
  if (id == kAmountProportionalCheck) {
    // From the first click on the box has two states; indeterminate reads as checked.
    SendRevisionDlgItemMessage(dialog, id, BM_SETSTYLE, BS_AUTOCHECKBOX | BS_NOTIFY, TRUE);
    if (IsDlgButtonChecked(dialog, id) == BST_INDETERMINATE) CheckDlgButton(dialog, id, BST_CHECKED);
  }
  const LRESULT direction = SendRevisionDlgItemMessage(dialog, kAmountTypeCombo, CB_GETCURSEL, 0, 0);
  if (direction >= 0) EditedHandle.direction = static_cast<int16_t>(direction);
  EditedHandle.bothEnds = IsDlgButtonChecked(dialog, kAmountBothEndsCheck) == BST_CHECKED ? 1 : 0;
  const UINT state = IsDlgButtonChecked(dialog, kAmountProportionalCheck);
  EditedHandle.proportional = state == BST_INDETERMINATE ? -1 : (state == BST_CHECKED ? 1 : 0);
  PreviewEditedHandle();
}

void Command(HWND dialog, WPARAM wParam) {
  const int id = LOWORD(wParam);
  const WORD code = HIWORD(wParam);
  if (id == kAmountPercentField && code == EN_KILLFOCUS) PercentEntered(dialog);
  if (id == kAmountLengthField && code == EN_KILLFOCUS) LengthEntered(dialog);
  NoteFocusLoss(&gAmount.saved, dialog, wParam, kAmountPercentField, kAmountLengthField);
  if (code == BN_CLICKED && id == kAmountMovingCheck) MovingClicked(dialog);
  if ((id == kAmountTypeCombo && code == CBN_SELCHANGE) ||
      (code == BN_CLICKED && (id == kAmountBothEndsCheck || id == kAmountProportionalCheck))) {
    OptionsChanged(dialog, id);
  }
  if (code == BN_CLICKED && id == kAmountVariableButton) InsertPickedVariable(&gAmount.saved, dialog);
  if (code == BN_CLICKED && id == IDOK) {
    // Enter leaves the focus in the field: what was typed there still counts.
    const int focused = FocusedControl(dialog);
    if (focused == kAmountPercentField) PercentEntered(dialog);
    if (focused == kAmountLengthField) LengthEntered(dialog);
    ReadFieldCut(dialog, kAmountNameField, EditedHandle.name, sizeof EditedHandle.name);
    CloseHandleDialog(dialog, IDOK);
  }
  if (code == BN_CLICKED && id == IDCANCEL) CloseHandleDialog(dialog, IDCANCEL);
}

}  // namespace

INT_PTR RevisionAmountDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  return DispatchHandleDialog(dialog, message, wParam, Initialise, Command);
}
