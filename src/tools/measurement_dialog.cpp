#include "tools/measurement_dialog.h"

#include <cstdlib>
#include <cstring>

#include "common/dialog_placement.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/handle_measures.h"
#include "panels/variable_registration.h"
#include "resources/handle_dialog_resource_ids.h"
#include "store/text_fields.h"
#include "store/variable_rows.h"
#include "tools/handle_dialogs.h"
#include "tools/handle_dialogs_internal.h"
#include "tools/handle_kind.h"

namespace {

constexpr int kNameFields[4] = {kMeasureDistanceField, kMeasureAngleField, kMeasureLengthField,
                                kMeasureRadiusField};
constexpr int kRadiusName = 3;

void Initialise(HWND dialog) {
  PlaceDialogCentredOnTop(dialog);
  for (int n = 0; n < 4; ++n) {
    char name[kExprSize + 1];
    CopyField(name, EditedHandle.line.amountExpr[n]);
    SetDlgItemText(dialog, kNameFields[n], name);
  }
  EnableWindow(GetDlgItem(dialog, kMeasureRadiusLabel), isArcRange ? TRUE : FALSE);
  EnableWindow(GetDlgItem(dialog, kMeasureRadiusField), isArcRange ? TRUE : FALSE);
}

// The whole variable table, to be put back when a rename is refused.
bool Rename(PluginRef pluginRef, const RevisionHandle& old, int n) {
  char oldName[kExprSize + 1], newName[kExprSize + 1];
  CopyField(oldName, old.line.amountExpr[n]);
  CopyField(newName, EditedHandle.line.amountExpr[n]);
  return RegisterVariable(pluginRef, oldName, newName, "", 0) >= 0;
}

// The variables take the new names; a refused rename puts every name back as it was.
bool CommitNames(PluginRef pluginRef, int32_t slot) {
  const RevisionHandle& old = gPlugin->handles[slot];
  VariableTableCopy copy{};
  if (!SetVariableTableAside(gPlugin->variables, &copy)) return false;
  bool renamed = Rename(pluginRef, old, 0) && Rename(pluginRef, old, 1) && Rename(pluginRef, old, 2) &&
                 (!isArcRange || Rename(pluginRef, old, kRadiusName));
  if (!renamed) PutVariableTableBack(gPlugin->variables, copy);
  FreeVariableTableCopy(&copy);
  return renamed;
}

}  // namespace

INT_PTR MeasurementDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    Initialise(dialog);
    return TRUE;
  }
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return message == WM_COMMAND;
  if (LOWORD(wParam) == IDOK) {
    for (int n = 0; n < 4; ++n) {
      if (n == kRadiusName && !isArcRange) continue;
      ReadFieldCut(dialog, kNameFields[n], EditedHandle.line.amountExpr[n], kExprSize);
    }
    EndDialog(dialog, IDOK);
  } else if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
  }
  return TRUE;
}

int32_t ShowMeasurementDialog(PluginRef pluginRef, int32_t slot) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || slot < 0 || slot >= kMaxHandles || g->handles[slot].kind != kHandleMeasurement)
    return 2;
  EditedHandle = g->handles[slot];
  PutEndsInRunOrder(EditedHandle.line);
  isArcRange = HandleRunIsArc(EditedHandle);
  if (RunHandleDialog(pluginRef, kMeasurementDialogResource, MeasurementDlgProc) != 1) return 2;
  if (!CommitNames(pluginRef, slot)) {
    if (sAIUndo != nullptr) sAIUndo->SetSilent(1);
    return 2;
  }
  g->handles[slot] = EditedHandle;
  return 1;
}
