// The Information flyout's preset commands: configuration, copy, initialise
// and the choice of the current preset.
#include <cstdio>
#include <cstring>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/grading_edit.h"
#include "panels/copy_preset_dialog.h"
#include "panels/inf_flyout_commands.h"
#include "panels/inf_flyout_internal.h"
#include "panels/inf_panel_list.h"
#include "panels/preset_config_dialog.h"
#include "panels/preset_flyout_items.h"
#include "panels/variable_commands.h"
#include "resources/undo_text_pairs.h"
#include "store/preset_table.h"
#include "store/presets_in_document.h"
#include "store/text_fields.h"
#include "text/localize.h"

namespace {

constexpr int kConfirmInitializePreset = 46;

bool ValidScale(int32_t index) { return index >= 0 && index < kMaxPresets; }

// Kinds whose amount is one expression per preset.
bool HasAmount(int16_t kind) {
  return kind == kHandlePlain || kind == kHandleDistance || kind == kHandleLength || kind == kHandleArc;
}

void MarkSilent() {
  if (sAIUndo != nullptr) sAIUndo->SetSilent(1);
}

}  // namespace

void RunPresetSetting() {
  PluginGlobals& g = *gPlugin;
  const int16_t scaleBefore = g.currentScaleIndex;
  if (RunPresetManagerDialog(g.pluginRef) != 1) return;
  // The dialog moved the slot with the current preset; only when that preset
  // was removed or disabled does the nearest usable slot below, else above,
  // take over.
  ReseatCurrentPreset();
  if (g.currentScaleIndex != scaleBefore) ShowPieceInCurrentPreset();
  // The table is the user's configuration, not an edit of the document.
  MarkSilent();
  UpdateInfFlyoutState();
  UpdateVarFlyoutState();
  SavePresetsToDocument();
}

void CopyPresetAmounts() {
  PluginGlobals& g = *gPlugin;
  const int16_t from = g.currentScaleIndex;
  if (!ValidScale(from) || !ValidScale(g.currentPresetSlot)) return;
  char name[kNameSize];
  CopyTextCutValidTrail(name, sizeof name, g.presets[g.currentPresetSlot].name, sizeof g.presets[0].name);
  if (ShowCopyPresetDialog(g.pluginRef, name) != 1) return;
  int k = 0;
  while (k < kMaxPresets && (g.presets[k].empty != 0 || std::strcmp(g.presets[k].name, name) != 0)) ++k;
  // The current preset copied onto itself: nothing to do, to undo or to save.
  if (k == kMaxPresets || k == g.currentPresetSlot || !ValidScale(g.presets[k].scaleIndex)) return;
  const int t = g.presets[k].scaleIndex;

  g.groupPresetScale[t] = g.presetScale[t];
  for (RevisionHandle& handle : g.handles) {
    if (HasAmount(handle.kind)) {
      std::memcpy(handle.line.amountExpr[t], handle.line.amountExpr[from], kExprSize);
    } else if (handle.kind == kHandlePoint) {
      std::memcpy(handle.point.xExpr[t], handle.point.xExpr[from], kExprSize);
      std::memcpy(handle.point.yExpr[t], handle.point.yExpr[from], kExprSize);
    }
  }
  g.currentPresetSlot = static_cast<int16_t>(k);
  g.currentScaleIndex = static_cast<int16_t>(t);
  UpdateInfFlyoutState();
  UpdateVarFlyoutState();
  InvalidateInfList();
  StoreAfterEdit(kUndoEditPreset);
}

void InitializePreset() {
  PluginGlobals& g = *gPlugin;
  const int16_t scale = g.currentScaleIndex;
  if (!ValidScale(scale) || !ValidScale(g.currentPresetSlot)) return;
  char format[512];
  char question[640];
  LocalizeUiString(g.pluginRef, kLocalizedTexts[kConfirmInitializePreset].japanese, format, sizeof format);
  std::snprintf(question, sizeof question, format, g.presets[g.currentPresetSlot].name);
  if (!ConfirmInfCommand(question)) return;

  g.groupPresetScale[scale] = g.presetScale[scale];
  for (RevisionHandle& handle : g.handles) {
    if (HasAmount(handle.kind)) {
      std::snprintf(handle.line.amountExpr[scale], kExprSize, "%s", "100.0");
    } else if (handle.kind == kHandlePoint) {
      handle.point.xExpr[scale][0] = '\0';
      handle.point.yExpr[scale][0] = '\0';
    }
  }
  StoreAfterEdit(kUndoEditPreset);
  UpdateInfFlyoutState();
  UpdateVarFlyoutState();
  InvalidateInfList();
}

void ChoosePreset(int16_t slot) {
  ChoosePresetInFlyout(slot, gPlugin->infFlyout, kInfFirstPresetItem, [] {
    UpdateVarFlyoutState();
    InvalidateInfList();
  });
}
