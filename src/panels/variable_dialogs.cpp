// The variable edit dialog: name, value expression and private flag.
#include "panels/variable_dialogs.h"

#include "common/dialog_placement.h"
#include "common/plugin_globals.h"
#include "store/text_fields.h"
#include "tools/handle_dialogs_fields.h"

VariableDialogTransfer gVariableDialogTransfer;

namespace {

SavedEditField gSavedValueField;

void InitVariableEditDialog(HWND dialog) {
  PlaceDialogCentredOnTop(dialog);
  const VariableDialogTransfer& t = gVariableDialogTransfer;
  SetDlgItemText(dialog, kVarEditNameField, t.name);
  SetDlgItemText(dialog, kVarEditValueField, t.value);
  CheckDlgButton(dialog, kVarEditPrivateCheck, t.isPrivate != 0 ? BST_CHECKED : BST_UNCHECKED);
  // Document mode lists public variables only, so their flag stays as it is.
  EnableWindow(GetDlgItem(dialog, kVarEditPrivateCheck), gPlugin->varTitlesValid == 0);
  gSavedValueField = {nullptr, 0, 0};
}

void ReadVariableEdit(HWND dialog) {
  VariableDialogTransfer& t = gVariableDialogTransfer;
  ReadFieldCut(dialog, kVarEditNameField, t.name, sizeof t.name);
  // Read past the limit so that the cut falls between whole characters.
  static char value[2 * kVarValueSize];
  value[0] = '\0';
  GetDlgItemText(dialog, kVarEditValueField, value, sizeof value);
  CopyTextCutValidTrail(t.value, sizeof t.value, value);
  t.isPrivate = IsDlgButtonChecked(dialog, kVarEditPrivateCheck) == BST_CHECKED ? 1 : 0;
}

void OnVariableEditCommand(HWND dialog, WPARAM wParam) {
  NoteFocusLoss(&gSavedValueField, dialog, wParam, kVarEditValueField, kVarEditValueField);
  if (HIWORD(wParam) != BN_CLICKED) return;
  switch (LOWORD(wParam)) {
    case kVarEditVariableButton:
      InsertPickedVariable(&gSavedValueField, dialog);
      break;
    case IDOK:
      ReadVariableEdit(dialog);
      EndDialog(dialog, IDOK);
      break;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      break;
  }
}

}  // namespace

INT_PTR VariableEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  return DispatchHandleDialog(dialog, message, wParam, InitVariableEditDialog, OnVariableEditCommand);
}
