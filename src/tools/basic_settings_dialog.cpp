#include "tools/basic_settings_dialog.h"

#include <cmath>
#include <cstdio>

#include "common/dialog_placement.h"
#include "common/module_instance.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/grading_edit.h"
#include "geometry/angles.h"
#include "panels/inf_panel_list.h"
#include "resources/basic_settings_resource_ids.h"
#include "resources/undo_text_pairs.h"
#include "store/display_unit.h"
#include "store/text_fields.h"
#include "text/localize.h"
#include "tools/handle_dialogs_internal.h"

int16_t dialogUnit = 0;

namespace {

// Inches go by 72 points to the inch, not by the table's factor: a shown
// value's last digit depends on it.
double PointsToUnit(double points, int16_t unit) {
  if (unit == 2) return points / 72;
  return points * kDisplayUnits[unit == 1 ? 1 : 0].perPoint;
}

double UnitToPoints(double value, int16_t unit) {
  if (unit == 2) return value * 72;
  return value / kDisplayUnits[unit == 1 ? 1 : 0].perPoint;
}

void SetNumber(HWND dialog, int control, double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  SetDlgItemText(dialog, control, text);
}

double ReadNumber(HWND dialog, int control) {
  char text[256] = "";
  GetDlgItemText(dialog, control, text, sizeof text);
  return TextToReal(text);
}

bool LockChecked(HWND dialog) { return IsDlgButtonChecked(dialog, kBasicLockCheck) == BST_CHECKED; }

void EnableUnlockedFields(HWND dialog, bool locked) {
  EnableWindow(GetDlgItem(dialog, kBasicAngleEdit), locked ? FALSE : TRUE);
  EnableWindow(GetDlgItem(dialog, kBasicScaleVEdit), locked ? FALSE : TRUE);
}

void ShowOrigin(HWND dialog, double xPoints, double yPoints, int16_t unit) {
  SetNumber(dialog, kBasicOriginXEdit, PointsToUnit(xPoints, unit));
  SetNumber(dialog, kBasicOriginYEdit, PointsToUnit(yPoints, unit));
  SetDlgItemText(dialog, kBasicUnitNameLabel, kDisplayUnits[unit].name);
}

void InitDialog(HWND dialog) {
  const PluginGlobals& g = *gPlugin;
  PlaceDialogCentredOnTop(dialog);
  SendBasicSettingsDlgItemMessage(dialog, kBasicUnitCombo, CB_RESETCONTENT, 0, 0);
  for (const DisplayUnit& unit : kDisplayUnits)
    SendBasicSettingsDlgItemMessage(dialog, kBasicUnitCombo, CB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(unit.name));
  dialogUnit = ValidDisplayUnit(g.grading_unit);
  SendBasicSettingsDlgItemMessage(dialog, kBasicUnitCombo, CB_SETCURSEL, static_cast<WPARAM>(dialogUnit), 0);

  ShowOrigin(dialog, g.grading_origin.h, g.grading_origin.v, dialogUnit);
  SetNumber(dialog, kBasicAngleEdit, g.grading_angle / kPiCut * kDegreesPerHalfTurn);
  const ScalePair& scale = g.presetScale[g.currentScaleIndex];
  SetNumber(dialog, kBasicScaleHEdit, scale.h * 100);
  SetNumber(dialog, kBasicScaleVEdit, scale.v * 100);
  CheckDlgButton(dialog, kBasicLockCheck, g.grading_hvlock ? BST_CHECKED : BST_UNCHECKED);
  EnableUnlockedFields(dialog, g.grading_hvlock != 0);

  FillBasicSettingsCombo(dialog, kBasicCompScaleCombo, kBasicCompScaleStrings, kBasicCompScaleStringCount);
  SetNumber(dialog, kBasicCompScaleCombo, g.grading_compscale * 100);

  char title[kNameSize];
  CopyTextCutValidTrail(title, sizeof title, g.grading_title, sizeof g.grading_title);
  SetDlgItemText(dialog, kBasicNameEdit, title);
}

void FollowLock(HWND dialog) {
  const bool locked = LockChecked(dialog);
  const double h = ReadNumber(dialog, kBasicScaleHEdit);
  if (locked && h / 100 != ReadNumber(dialog, kBasicScaleVEdit) / 100) SetNumber(dialog, kBasicScaleVEdit, h);
  EnableUnlockedFields(dialog, locked);
}

void ChangeUnit(HWND dialog) {
  const LRESULT chosen = SendBasicSettingsDlgItemMessage(dialog, kBasicUnitCombo, CB_GETCURSEL, 0, 0);
  if (chosen < 0 || chosen >= kDisplayUnitCount || chosen == dialogUnit) return;
  const double x = UnitToPoints(ReadNumber(dialog, kBasicOriginXEdit), dialogUnit);
  const double y = UnitToPoints(ReadNumber(dialog, kBasicOriginYEdit), dialogUnit);
  dialogUnit = static_cast<int16_t>(chosen);
  ShowOrigin(dialog, x, y, dialogUnit);
}

// A ratio typed in percent. Every graded length is divided by the
// compilation scale and multiplied by the standard scale: a text that is no
// number, or 0, is refused with a beep and the old value shown again.
bool TakeRatio(HWND dialog, int control, double old, double* ratio) {
  const double percent = ReadNumber(dialog, control);
  if (std::isfinite(percent) && percent != 0) {
    *ratio = percent / 100;
    return true;
  }
  MessageBeep(0);
  SetNumber(dialog, control, old * 100);
  SetFocus(GetDlgItem(dialog, control));
  return false;
}

struct TakenRatios {
  double compScale;
  ScalePair scale;
};

bool TakeRatios(HWND dialog, TakenRatios* taken) {
  const PluginGlobals& g = *gPlugin;
  const ScalePair& scale = g.presetScale[g.currentScaleIndex];
  if (!TakeRatio(dialog, kBasicScaleHEdit, scale.h, &taken->scale.h)) return false;
  taken->scale.v = taken->scale.h;
  if (!LockChecked(dialog) && !TakeRatio(dialog, kBasicScaleVEdit, scale.v, &taken->scale.v)) return false;
  return TakeRatio(dialog, kBasicCompScaleCombo, g.grading_compscale, &taken->compScale);
}

void StoreSettings(HWND dialog, const TakenRatios& taken) {
  PluginGlobals& g = *gPlugin;
  const LRESULT chosen = SendBasicSettingsDlgItemMessage(dialog, kBasicUnitCombo, CB_GETCURSEL, 0, 0);
  const int16_t unit = chosen >= 0 && chosen < kDisplayUnitCount ? static_cast<int16_t>(chosen) : dialogUnit;
  g.grading_unit = unit;
  SetUnitPerPoint(unit);
  g.grading_origin.h = UnitToPoints(ReadNumber(dialog, kBasicOriginXEdit), unit);
  g.grading_origin.v = UnitToPoints(ReadNumber(dialog, kBasicOriginYEdit), unit);
  g.grading_angle = ReadNumber(dialog, kBasicAngleEdit) / kDegreesPerHalfTurn * kPiCut;
  g.grading_hvlock = LockChecked(dialog) ? 1 : 0;
  g.presetScale[g.currentScaleIndex] = taken.scale;
  g.grading_compscale = taken.compScale;
  char title[256] = "";
  GetDlgItemText(dialog, kBasicNameEdit, title, sizeof title);
  CopyTextCutValidTrail(g.grading_title, sizeof g.grading_title, title);
}

}  // namespace

LRESULT SendBasicSettingsDlgItemMessage(HWND dialog, int control, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  return SendMessage(GetDlgItem(dialog, control), message, wParam, lParam);
}

void FillBasicSettingsCombo(HWND dialog, int control, int firstStringId, int count) {
  FillComboFromStringTable(dialog, control, firstStringId, count);
}

INT_PTR BasicSettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (gPlugin == nullptr) return FALSE;
  switch (message) {
    case WM_INITDIALOG:
      InitDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kBasicLockCheck:
        case kBasicScaleHEdit:
          FollowLock(dialog);
          return TRUE;
        case kBasicUnitCombo:
          ChangeUnit(dialog);
          return TRUE;
        case IDOK: {
          TakenRatios taken{};
          if (!TakeRatios(dialog, &taken)) return TRUE;
          StoreSettings(dialog, taken);
          EndDialog(dialog, 1);
          return TRUE;
        }
        case IDCANCEL:
          EndDialog(dialog, 2);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

int32_t RunBasicSettingsDialog() {
  // The scale fields index the pair table by the current scale index.
  if (gPlugin == nullptr || gPlugin->currentScaleIndex < 0 || gPlugin->currentScaleIndex >= kMaxPresets)
    return 2;
  HINSTANCE instance = nullptr;
  AccessRef access = nullptr;
  if (sAIPlugin != nullptr && sAIPlugin->GetPluginAccess(gPlugin->pluginRef, &access) == kNoErr)
    instance = ModuleInstance(access);
  if (instance == nullptr) instance = LastModuleInstance();
  HWND owner = nullptr;
  if (sAIContext != nullptr) sAIContext->GetPlatformAppWindow(&owner);
  const INT_PTR result =
      DialogBoxParam(instance, MAKEINTRESOURCE(DialogIdForLanguage(kBasicSettingsDialogResource)), owner,
                     BasicSettingsDlgProc, 0);
  // A dialog that could not be shown changes nothing, as a cancelled one.
  return result == 1 ? 1 : 2;
}

int32_t EditBasicSettings() {
  const int32_t result = RunBasicSettingsDialog();
  if (result != 1) return result;
  PluginGlobals& g = *gPlugin;
  g.groupPresetScale[g.currentScaleIndex] = g.presetScale[g.currentScaleIndex];
  StoreAfterEdit(kUndoBasicSettings);
  RebuildInfList();
  return result;
}
