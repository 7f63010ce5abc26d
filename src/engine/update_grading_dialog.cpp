// The "Update grading" dialog: output mode, the sets to write, the output
// layer, and the preview group that shows the result while it is open.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/dialog_placement.h"
#include "common/module_instance.h"
#include "common/owner_draw_paint.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/preview_builder.h"
#include "engine/preview_refresh.h"
#include "engine/update_grading.h"
#include "engine/update_grading_selection.h"
#include "engine/update_grading_state.h"
#include "expr/script_alerts.h"
#include "resources/update_grading_resource_ids.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/text_fields.h"
#include "text/byte_classes.h"
#include "text/localize.h"
#include "win_api.h"

namespace {

constexpr int kSetRowHeight = 20;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);

UpdateGradingSettings& Options() { return gPlugin->updateGrading; }

int IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0; }

void Enable(HWND dialog, int id, bool enable) { EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE); }

void EnableModeControls(HWND dialog) {
  Enable(dialog, kUpdateLeaveCheck, Options().renewal_mode == 0);
  Enable(dialog, kUpdateSetList, Options().renewal_mode == 2);
}

void EnableLayerControls(HWND dialog) {
  const bool otherLayer = IsChecked(dialog, kUpdateOtherLayerCheck) != 0;
  const bool perPreset = IsChecked(dialog, kUpdateLayerPerPresetCheck) != 0;
  Enable(dialog, kUpdateLayerPerPresetCheck, otherLayer);
  Enable(dialog, kUpdateLayerNameLabel, otherLayer && !perPreset);
  Enable(dialog, kUpdateLayerNameEdit, otherLayer && !perPreset);
}

// Every set but the current one keeps the originals.
void SetOutputMode(HWND dialog, int16_t mode) {
  Options().renewal_mode = mode;
  if (mode == 0) {
    Options().renewal_leave = static_cast<int16_t>(IsChecked(dialog, kUpdateLeaveCheck));
  } else {
    Options().renewal_leave = 1;
    CheckDlgButton(dialog, kUpdateLeaveCheck, BST_CHECKED);
  }
  EnableModeControls(dialog);
}

void StoreLayerBoxes(HWND dialog) {
  Options().renewal_out_layer = static_cast<int16_t>(IsChecked(dialog, kUpdateOtherLayerCheck));
  Options().renewal_out_preset = static_cast<int16_t>(IsChecked(dialog, kUpdateLayerPerPresetCheck));
}

void FillSetList(HWND dialog) {
  SendUpdateDlgItemMessage(dialog, kUpdateSetList, LB_RESETCONTENT, 0, 0);
  for (int slot = 0; slot < kMaxPresets && gPlugin->presets[slot].empty == 0; ++slot) {
    if (gPlugin->presets[slot].enabled == 0) continue;
    const LRESULT row =
        SendUpdateDlgItemMessage(dialog, kUpdateSetList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("dummy"));
    if (row >= 0)
      SendUpdateDlgItemMessage(dialog, kUpdateSetList, LB_SETITEMDATA, static_cast<WPARAM>(row), slot);
  }
}

void InitDialog(HWND dialog) {
  PlaceDialogCentredOnTop(dialog);
  UpdateGradingSettings& options = Options();
  // A mode read from an edited preferences file may be any number.
  if (options.renewal_mode < 0 || options.renewal_mode > 2) options.renewal_mode = 0;
  if (options.renewal_mode != 0) options.renewal_leave = 1;
  CheckRadioButton(dialog, kUpdateCurrentSetRadio, kUpdateChosenSetsRadio,
                   kUpdateCurrentSetRadio + options.renewal_mode);
  CheckDlgButton(dialog, kUpdateLeaveCheck, options.renewal_leave ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, kUpdatePreviewCheck, options.renewal_preview ? BST_CHECKED : BST_UNCHECKED);
  FillSetList(dialog);
  CheckDlgButton(dialog, kUpdateOtherLayerCheck, options.renewal_out_layer ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, kUpdateLayerPerPresetCheck,
                 options.renewal_out_preset ? BST_CHECKED : BST_UNCHECKED);
  char name[kNameSize];
  CopyTextCutValidTrail(name, sizeof name, options.renewal_out_lname, sizeof options.renewal_out_lname);
  SetDlgItemText(dialog, kUpdateLayerNameEdit, name);
  EnableModeControls(dialog);
  EnableLayerControls(dialog);
}

// At most 79 bytes of the field, never half a character.
void ReadLayerName(HWND dialog) {
  HWND edit = GetDlgItem(dialog, kUpdateLayerNameEdit);
  const int length = GetWindowTextLength(edit);
  std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  GetWindowText(edit, text.data(), static_cast<int>(text.size()));
  CopyTextCutValidTrail(Options().renewal_out_lname, kNameSize - 1, text.data());
}

RECT CheckSquare(const RECT& row) {
  RECT square{row.left + 2, row.top, row.left + 22, row.bottom - 1};
  InflateRect(&square, -3, -3);
  return square;
}

// A click inside a row's check square flips that preset's output flag.
void ClickSetList(HWND dialog) {
  HWND list = GetDlgItem(dialog, kUpdateSetList);
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(list, &cursor);
  const LRESULT hit = SendMessage(list, LB_ITEMFROMPOINT, 0,
                                  MAKELPARAM(static_cast<WORD>(cursor.x), static_cast<WORD>(cursor.y)));
  if (hit < 0 || HIWORD(static_cast<uintptr_t>(hit)) != 0) return;
  const WPARAM row = LOWORD(static_cast<uintptr_t>(hit));
  RECT rect{};
  if (SendMessage(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect)) == LB_ERR) return;
  const RECT square = CheckSquare(rect);
  if (!PtInRect(&square, cursor)) return;
  const LRESULT slot = SendMessage(list, LB_GETITEMDATA, row, 0);
  if (slot < 0 || slot >= kMaxPresets) return;
  PresetRecord& preset = gPlugin->presets[slot];
  preset.output = preset.output ? 0 : 1;
  InvalidateRect(list, &rect, TRUE);
  CheckRadioButton(dialog, kUpdateCurrentSetRadio, kUpdateChosenSetsRadio, kUpdateChosenSetsRadio);
  SetOutputMode(dialog, 2);
  UpdatePreviewForPresets();
}

void OnCommand(HWND dialog, int id, WORD code) {
  switch (id) {
    case kUpdateCurrentSetRadio:
    case kUpdateAllSetsRadio:
    case kUpdateChosenSetsRadio:
    case kUpdateLeaveCheck:
      if (code != BN_CLICKED) return;
      SetOutputMode(dialog, IsChecked(dialog, kUpdateCurrentSetRadio) ? 0
                            : IsChecked(dialog, kUpdateAllSetsRadio)  ? 1
                                                                      : 2);
      UpdatePreviewForPresets();
      return;
    case kUpdateOtherLayerCheck:
    case kUpdateLayerPerPresetCheck:
      if (code != BN_CLICKED) return;
      StoreLayerBoxes(dialog);
      EnableLayerControls(dialog);
      return;
    case kUpdatePreviewCheck:
      if (code != BN_CLICKED) return;
      Options().renewal_preview = static_cast<int16_t>(IsChecked(dialog, kUpdatePreviewCheck));
      UpdatePreviewForPresets();
      return;
    case kUpdateSetList:
      if (code == LBN_SELCHANGE && (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0) ClickSetList(dialog);
      return;
    case IDOK:
      StoreLayerBoxes(dialog);
      ReadLayerName(dialog);
      EndDialog(dialog, 1);
      return;
    case IDCANCEL:
      EndDialog(dialog, 2);
      return;
    default:
      return;
  }
}

void DrawTick(HDC dc, const RECT& box, COLORREF color) {
  const int w = box.right - box.left;
  const int h = box.bottom - box.top;
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  for (int lift = 0; lift < 2; ++lift) {
    const POINT tick[3] = {
        {box.left, box.bottom - static_cast<int>(0.33 * h) - 2 - lift},
        {box.left + static_cast<int>(0.33 * w) + 1, box.bottom - 2 - lift},
        {box.right, box.bottom - static_cast<int>(0.66 * h) - 2 - lift},
    };
    Polyline(dc, tick, 3);
  }
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

// The topmost ordinary layer the user can see and edit.
LayerHandle FindTargetLayer() {
  const int32_t layers = CountDocumentLayers();
  for (int32_t n = 0; n < layers; ++n) {
    LayerHandle layer = GetLayerAt(n);
    if (layer == nullptr || IsPreviewLayer(layer)) continue;
    int32_t visible = 0;
    int32_t editable = 0;
    if (sAILayer->GetLayerVisible(layer, &visible) == kNoErr && visible != 0 &&
        sAILayer->GetLayerEditable(layer, &editable) == kNoErr && editable != 0)
      return layer;
  }
  return nullptr;
}

}  // namespace

intptr_t SendUpdateDlgItemMessage(HWND dialog, int id, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  return SendMessage(GetDlgItem(dialog, id), message, wParam, lParam);
}

void DrawUpdateSetListItem(const DRAWITEMSTRUCT* item) {
  if (item == nullptr || item->itemID == static_cast<UINT>(-1) || gPlugin == nullptr) return;
  const auto slot = static_cast<intptr_t>(item->itemData);
  if (slot < 0 || slot >= kMaxPresets) return;
  const PresetRecord& preset = gPlugin->presets[slot];
  HDC dc = item->hDC;
  const RECT& row = item->rcItem;
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  const bool enabled = IsWindowEnabled(item->hwndItem) != FALSE;

  FillSolid(dc, row, selected ? kSelectedRowFill : kWhite);
  const RECT frame{row.left - 1, row.top - 1, row.right, row.bottom};
  HBRUSH white = CreateSolidBrush(kWhite);
  FrameRect(dc, &frame, white);
  DeleteObject(white);

  SetTextColor(dc, selected ? kWhite : (enabled ? kBlack : kGrey));
  SetTextAlign(dc, TA_LEFT | TA_BASELINE);
  SetBkMode(dc, TRANSPARENT);
  char name[kNameSize];
  CopyTextCutValidTrail(name, sizeof name, preset.name, sizeof preset.name);
  int length = static_cast<int>(std::strlen(name));
  const int room = row.right - 1 - row.left - 25;
  SIZE extent{};
  // Two bytes at a time, as a character is wide, but never half of one.
  while (length > 0 && GetTextExtentPoint32(dc, name, length, &extent) && extent.cx > room)
    length = ShiftJisFitLength(name, length >= 2 ? length - 2 : 0);
  TextOut(dc, row.left + 27, row.top + 13, name, length);

  RECT box = CheckSquare(row);
  FillSolid(dc, box, kGrey);
  InflateRect(&box, -1, -1);
  FillSolid(dc, box, kWhite);
  if (preset.output != 0) DrawTick(dc, box, enabled ? kBlack : kGrey);
}

intptr_t UpdateGradingDlgProc(HWND dialog, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitDialog(dialog);
      return TRUE;
    case WM_MEASUREITEM:
      if (wParam != kUpdateSetList || lParam == 0) return FALSE;
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kSetRowHeight;
      return TRUE;
    case WM_DRAWITEM:
      if (wParam != kUpdateSetList || lParam == 0) return FALSE;
      DrawUpdateSetListItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND: {
      ScriptActionScope action;
      OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    }
    default:
      return FALSE;
  }
}

intptr_t ShowUpdateGradingDialog(PluginRef pluginRef) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || sAILayer == nullptr || sAIArt == nullptr) return 0;
  UpdateDialogState& state = gUpdateDialog;
  state.pluginRef = pluginRef;
  state.savedPresetSlot = g->currentPresetSlot;
  std::memcpy(state.savedScales, g->presetScale, sizeof state.savedScales);
  RememberSelectedArts();

  g->previewLayer = FindOrMakeModuleLayer(ModuleLayer::Preview);
  state.targetLayer = FindTargetLayer();
  if (state.targetLayer == nullptr) {
    RestoreSelectedArts();  // frees the list; the selection is untouched
    return 0;
  }
  state.previewGroup = nullptr;
  UpdatePreviewForPresets();

  HINSTANCE instance = LastModuleInstance();
  HWND owner = nullptr;
  if (sAIContext != nullptr) sAIContext->GetPlatformAppWindow(&owner);
  const int dialogId = DialogIdForLanguage(kUpdateGradingDialogResource);
  intptr_t result = 0;
  {
    ScriptDialogScope commands;
    result = DialogBoxParam(instance, MAKEINTRESOURCE(dialogId), owner, UpdateGradingDlgProc, 0);
  }
  // A dialog that could not be shown changes nothing, as a cancelled one.
  if (result != 1) result = 2;

  if (state.previewGroup != nullptr) sAIArt->DisposeArt(state.previewGroup);
  state.previewGroup = nullptr;
  if (g->varTitlesValid == 0) {
    if (g->previewLayer != nullptr) sAILayer->SetLayerVisible(g->previewLayer, 1);
  } else {
    DeletePreviewLayer();
  }
  std::memcpy(g->presetScale, state.savedScales, sizeof g->presetScale);
  if (g->currentPresetSlot != state.savedPresetSlot) {
    MakePresetCurrent(state.savedPresetSlot);
    if (g->varTitlesValid == 0) {
      ReloadCurrentPiece();
      BuildGradingPreview(0, 0);
    }
  }
  RestoreSelectedArts();
  return result;
}
