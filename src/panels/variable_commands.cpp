#include "panels/variable_commands.h"

#include <cstdlib>
#include <cstring>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/grading_edit.h"
#include "engine/piece_members.h"
#include "engine/update_grading.h"
#include "engine/update_grading_selection.h"
#include "panels/inf_panel_list.h"
#include "panels/panel_controls.h"
#include "panels/panel_windows.h"
#include "panels/preset_flyout_items.h"
#include "panels/var_dialog_launch.h"
#include "panels/var_piece_tags.h"
#include "panels/var_update_command.h"
#include "panels/variable_registration.h"
#include "store/art_tags.h"
#include "store/module_layers.h"
#include "store/text_fields.h"
#include "store/variable_rows.h"
#include "text/undo_texts.h"
#include "win_api.h"

namespace {

constexpr const char kProposedNames[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

HWND VarPanelWindow() {
  if (gPlugin->varPanel == nullptr || sAIPanel == nullptr) return nullptr;
  HWND window = nullptr;
  if (sAIPanel->GetPlatformWindow(gPlugin->varPanel, &window) != kNoErr) return nullptr;
  return window;
}

bool InPieceMode() { return gPlugin->varTitlesValid == 0; }

void EnableButton(HWND window, int id, bool enabled) {
  if (HWND button = GetDlgItem(window, id)) {
    if ((IsWindowEnabled(button) != 0) != enabled) EnableWindow(button, enabled ? TRUE : FALSE);
  }
}

// The table row of the list's current row, or -1.
int32_t CurrentTableRow(HWND list, int32_t* listRow = nullptr) {
  const LRESULT row = list != nullptr ? SendMessage(list, LB_GETCURSEL, 0, 0) : LB_ERR;
  if (listRow != nullptr) *listRow = static_cast<int32_t>(row);
  if (row < 0) return -1;
  const auto data = static_cast<int32_t>(SendMessage(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0));
  return data >= 0 && data < kMaxVariables ? data : -1;
}

bool TableHasPair(const VariableTable& t, int32_t used, const char* title, const char* name) {
  for (int32_t r = 0; r < used; ++r)
    if (std::strcmp(t.varTitles[r], title) == 0 && std::strcmp(t.varNames[r], name) == 0) return true;
  return false;
}

// The public variables of the selected titled pieces; returns how many such
// pieces were read.
int32_t FillTableFromSelectedPieces() {
  VariableTable& t = gPlugin->variables;
  ClearVariableTable(t);
  ArtHandle* arts = nullptr;
  int32_t count = 0;
  CollectDocumentTitledArts(&arts, &count);
  int32_t used = 0, read = 0;
  for (int32_t i = 0; i < count; ++i) {
    if (GetArtSelected(arts[i]) == 0) continue;
    ++read;
    char title[kVarNameSize];
    ReadPieceTitle(arts[i], title, sizeof title);
    char name[kVarNameSize];
    for (int32_t k = 0; k < kMaxVariables && ReadPieceVariableName(arts[i], k, name, sizeof name); ++k) {
      if (ReadPieceVariablePrivate(arts[i], k) != 0 || used >= kMaxVariables) continue;
      if (name[0] == '\0' || TableHasPair(t, used, title, name)) continue;
      std::memcpy(t.varTitles[used], title, kVarNameSize);
      std::memcpy(t.varNames[used], name, kVarNameSize);
      ReadPieceVariableValue(arts[i], k, t.varValues[used], kVarValueSize);
      ++used;
    }
  }
  std::free(arts);
  return read;
}

void SyncListRows(HWND list) {
  const VariableTable& t = gPlugin->variables;
  int32_t wanted = 0;
  for (int32_t r = 0; r < kMaxVariables; ++r) wanted += t.varNames[r][0] != '\0';
  LRESULT have = SendMessage(list, LB_GETCOUNT, 0, 0);
  for (; have < wanted; ++have) SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("dummy"));
  for (; have > wanted; --have) SendMessage(list, LB_DELETESTRING, static_cast<WPARAM>(have - 1), 0);
  WPARAM row = 0;
  for (int32_t r = 0; r < kMaxVariables; ++r)
    if (t.varNames[r][0] != '\0') SendMessage(list, LB_SETITEMDATA, row++, r);
  InvalidateRect(list, nullptr, FALSE);
}

// After a change of the current piece's variables.
void StorePieceVariables() {
  StoreGradingEdit();
  FillVarList();
  InvalidateInfList();
}

// Renames and revalues one variable in every titled piece of `title`. A name
// another variable of such a piece already has is refused first.
bool RewriteDocumentVariable(const char* title, const char* oldName, const char* newName, const char* value) {
  ArtHandle* arts = nullptr;
  int32_t count = 0;
  CollectDocumentTitledArts(&arts, &count);
  bool refused = false;
  char pieceTitle[kVarNameSize];
  for (int32_t i = 0; i < count && !refused && std::strcmp(oldName, newName) != 0; ++i) {
    ReadPieceTitle(arts[i], pieceTitle, sizeof pieceTitle);
    refused = std::strcmp(pieceTitle, title) == 0 && FindPieceVariable(arts[i], newName) >= 0;
  }
  for (int32_t i = 0; i < count && !refused; ++i) {
    ReadPieceTitle(arts[i], pieceTitle, sizeof pieceTitle);
    if (std::strcmp(pieceTitle, title) != 0) continue;
    const int32_t k = FindPieceVariable(arts[i], oldName);
    if (k < 0) continue;
    WritePieceVariableName(arts[i], k, newName);
    WritePieceVariableValue(arts[i], k, value);
  }
  std::free(arts);
  return !refused;
}

// The edit dialog, confirmed with a name. A cancel leaves no undo step; an
// emptied name would leave a hole that ends the table early.
bool AskForVariable(char* name, char* value, uint32_t* isPrivate) {
  if (ShowVariableDialog(gPlugin->pluginRef, name, value, isPrivate) != 1) {
    if (sAIUndo != nullptr) sAIUndo->SetSilent(1);
    return false;
  }
  if (name[0] == '\0') {
    MessageBeep(MB_BEEP_DEFAULT);
    return false;
  }
  return true;
}

void EditVariable(HWND window) {
  PluginGlobals& g = *gPlugin;
  VariableTable& t = g.variables;
  const int32_t row = CurrentTableRow(GetDlgItem(window, kPanelListId));
  if (row < 0) return;
  char name[kNameSize], value[kVarValueSize];
  CopyTextCutValidTrail(name, sizeof name, t.varNames[row]);
  std::memcpy(value, t.varValues[row], kVarValueSize);
  uint32_t isPrivate = t.varPrivate[row];
  if (!AskForVariable(name, value, &isPrivate)) return;
  if (InPieceMode()) {
    if (RegisterVariable(g.pluginRef, t.varNames[row], name, value, isPrivate) != row) return;
    SetLocalizedUndoRedoText(kUndoEditVariable);
    StorePieceVariables();
    return;
  }
  RememberSelectedArts();
  const bool done = RewriteDocumentVariable(t.varTitles[row], t.varNames[row], name, value);
  if (done) {
    CopyTextCutValidTrail(t.varNames[row], kVarNameSize, name);
    CopyTextCutValidTrail(t.varValues[row], kVarValueSize, value);
    SetLocalizedUndoRedoText(kUndoEditVariable);
  }
  RestoreSelectedArts();
  InvalidateVarList();
  if (!done) ShowDuplicateVariableAlert(g.pluginRef);
}

void DeleteVariable(HWND window) {
  PluginGlobals& g = *gPlugin;
  HWND list = GetDlgItem(window, kPanelListId);
  int32_t listRow = -1;
  const int32_t row = CurrentTableRow(list, &listRow);
  if (row < 0) return;
  char name[kVarNameSize];
  std::memcpy(name, g.variables.varNames[row], kVarNameSize);
  if (name[0] == '\0') return;
  RegisterVariable(g.pluginRef, name, "", "", 0);
  SendMessage(list, LB_DELETESTRING, static_cast<WPARAM>(listRow), 0);
  const LRESULT rows = SendMessage(list, LB_GETCOUNT, 0, 0);
  for (LRESULT r = 0; r < rows; ++r) {
    const LRESULT data = SendMessage(list, LB_GETITEMDATA, static_cast<WPARAM>(r), 0);
    if (data > row) SendMessage(list, LB_SETITEMDATA, static_cast<WPARAM>(r), data - 1);
  }
  StoreAfterEdit(kUndoDeleteVariable);
  InvalidateInfList();
  UpdateVarButtons(window);
}

bool TableHasName(const VariableTable& t, const char* name) {
  for (int32_t r = 0; r < kMaxVariables && t.varNames[r][0] != '\0'; ++r)
    if (std::strcmp(t.varNames[r], name) == 0) return true;
  return false;
}

void NewVariable() {
  PluginGlobals& g = *gPlugin;
  char name[kNameSize] = "z";
  for (const char* c = kProposedNames; *c != '\0'; ++c) {
    const char candidate[2] = {*c, '\0'};
    if (!TableHasName(g.variables, candidate)) {
      name[0] = *c;
      break;
    }
  }
  char value[kVarValueSize] = "";
  uint32_t isPrivate = 0;
  if (!AskForVariable(name, value, &isPrivate)) return;
  if (RegisterVariable(g.pluginRef, "", name, value, isPrivate) < 0) return;
  SetLocalizedUndoRedoText(kUndoNewVariable);
  StorePieceVariables();
}

}  // namespace

void FillVarList() {
  if (gPlugin == nullptr || gPlugin->variables.varNames == nullptr) return;
  HWND window = VarPanelWindow();
  HWND list = window != nullptr ? GetDlgItem(window, kPanelListId) : nullptr;
  if (list == nullptr) return;
  int32_t piecesRead = 0;
  const bool documentMode = !InPieceMode();
  if (documentMode && HasDocumentView()) piecesRead = FillTableFromSelectedPieces();
  SyncListRows(list);
  EnableButton(window, kNewOrLockButtonId, !documentMode && HasCurrentPiece());
  EnableButton(window, kUpdateButtonId, documentMode && piecesRead > 0);
  UpdateVarButtons(window);
}

void UpdateVarButtons(HWND window) {
  if (window == nullptr) return;
  const bool hasRow = CurrentTableRow(GetDlgItem(window, kPanelListId)) >= 0;
  EnableButton(window, kDeleteButtonId, hasRow && InPieceMode());
  EnableButton(window, kEditButtonId, hasRow);
}

void UpdateVarFlyoutState() {
  if (gPlugin != nullptr) RebuildPresetFlyoutItems(gPlugin->varFlyout, kVarFirstPresetItem);
}

void RunVarPanelCommand(HWND window, uint16_t controlId, uint16_t notification) {
  if (gPlugin == nullptr || window == nullptr) return;
  if (controlId == kEditButtonId && HasCurrentPiece()) {
    controlId = kPanelListId;
    notification = LBN_DBLCLK;
  }
  switch (controlId) {
    case kPanelListId:
      if (notification == LBN_DBLCLK) {
        EditVariable(window);
      } else {
        UpdateVarButtons(window);
      }
      break;
    // Changing the table in document mode would store other pieces'
    // variables with the current one.
    case kDeleteButtonId:
      if (HasCurrentPiece() && InPieceMode()) DeleteVariable(window);
      break;
    case kNewOrLockButtonId:
      if (HasCurrentPiece() && InPieceMode()) NewVariable();
      break;
    case kUpdateButtonId:
      if (!InPieceMode()) RunVarUpdateCommand();
      FillVarList();
      break;
    default:
      break;
  }
}

namespace {

// In document mode the list is filled from the pieces' tags again at every
// selection change: the new order of a title's variables is kept in the tags
// of each piece of that title. The moved variable goes before the next of its
// title's rows the piece has, else after the one before it.
void StoreDocumentOrder(int32_t movedRow) {
  const VariableTable& t = gPlugin->variables;
  ArtHandle* arts = nullptr;
  int32_t count = 0;
  CollectDocumentTitledArts(&arts, &count);
  char title[kVarNameSize];
  auto sameTitle = [&](int32_t r) { return std::strcmp(t.varTitles[r], t.varTitles[movedRow]) == 0; };
  for (int32_t i = 0; i < count; ++i) {
    ReadPieceTitle(arts[i], title, sizeof title);
    const int32_t from = std::strcmp(title, t.varTitles[movedRow]) == 0 ? FindPieceVariable(arts[i], t.varNames[movedRow]) : -1;
    if (from < 0) continue;
    int32_t to = -1;
    for (int32_t r = movedRow + 1; r < kMaxVariables && t.varNames[r][0] != '\0' && to < 0; ++r) {
      const int32_t k = sameTitle(r) ? FindPieceVariable(arts[i], t.varNames[r]) : -1;
      if (k >= 0) to = k > from ? k - 1 : k;
    }
    for (int32_t r = movedRow - 1; r >= 0 && to < 0; --r) {
      const int32_t k = sameTitle(r) ? FindPieceVariable(arts[i], t.varNames[r]) : -1;
      if (k >= 0) to = k < from ? k + 1 : k;
    }
    if (to >= 0 && to != from) MovePieceVariable(arts[i], from, to);
  }
  std::free(arts);
}

}  // namespace

void ReorderVariables(int32_t targetRow, int32_t targetTableRow, int32_t sourceRow, int32_t sourceTableRow) {
  if (gPlugin == nullptr || targetRow == sourceRow) return;
  const int32_t t = targetTableRow, s = sourceTableRow;
  if (t < 0 || t >= kMaxVariables || s < 0 || s >= kMaxVariables) return;
  VariableTable& table = gPlugin->variables;
  if (table.varNames == nullptr) return;
  MoveVariableRow(table, s, t);
  SetLocalizedUndoRedoText(kUndoReorderVariable);
  if (InPieceMode()) {
    StorePieceVariables();
  } else {
    RememberSelectedArts();
    StoreDocumentOrder(t);
    RestoreSelectedArts();
    InvalidateVarList();
  }
}
