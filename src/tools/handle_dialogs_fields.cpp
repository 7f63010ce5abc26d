#include "tools/handle_dialogs_fields.h"

#include <cstdio>
#include <cstring>

#include "common/plugin_globals.h"
#include "expr/script_alerts.h"
#include "panels/variable_dialogs.h"
#include "store/text_fields.h"
#include "text/localize.h"

namespace {

constexpr int kComboTextSize = 62;
constexpr int kFieldReadSize = 4096;

bool ClassIs(const char* cls, const char* upper) {
  for (; *cls != '\0' && *upper != '\0'; ++cls, ++upper)
    if ((*cls >= 'a' && *cls <= 'z' ? *cls - 32 : *cls) != *upper) return false;
  return *cls == *upper;
}

// The notification codes overlap between control classes.
bool IsKillFocus(WORD code, HWND control) {
  char cls[16] = "";
  if (control == nullptr) return false;
  GetClassName(control, cls, sizeof cls);
  if (ClassIs(cls, "EDIT")) return code == EN_KILLFOCUS;
  if (ClassIs(cls, "COMBOBOX")) return code == CBN_KILLFOCUS;
  if (ClassIs(cls, "LISTBOX")) return code == LBN_KILLFOCUS;
  return ClassIs(cls, "BUTTON") && code == BN_KILLFOCUS;
}

}  // namespace

LRESULT SendRevisionDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessage(GetDlgItem(dialog, id), message, wParam, lParam);
}

void FillComboFromStringTable(HWND dialog, int id, int firstStringId, int count) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtr(dialog, GWLP_HINSTANCE));
  const int first = DialogIdForLanguage(firstStringId);
  for (int i = 0; i < count; ++i) {
    char text[kComboTextSize] = "";
    LoadString(instance, static_cast<UINT>(first + i), text, sizeof text);
    if (text[0] != '-') AddRevisionComboString(dialog, id, text);
  }
}

void AddRevisionComboString(HWND dialog, int id, const char* text) {
  SendRevisionDlgItemMessage(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void NoteFocusLoss(SavedEditField* saved, HWND dialog, WPARAM wParam, int firstField, int secondField) {
  const int id = LOWORD(wParam);
  HWND control = GetDlgItem(dialog, id);
  if (!IsKillFocus(HIWORD(wParam), control)) return;
  if (id == firstField || id == secondField) {
    DWORD start = 0, end = 0;
    SendMessage(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    *saved = {control, start, end};
  } else {
    *saved = {nullptr, 0, 0};
  }
}

void InsertPickedVariable(SavedEditField* saved, HWND dialog) {
  char picked[kPickedVariableSize] = "";
  const int32_t result = ShowVariableListDialog(gPlugin->pluginRef, dialog, picked);
  if (saved->field == nullptr || !IsWindow(saved->field)) {
    MessageBeep(0);
    return;
  }
  if (result != 1) return;
  SetFocus(saved->field);
  SendMessage(saved->field, EM_SETSEL, saved->start, static_cast<LPARAM>(saved->end));
  SendMessage(saved->field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(picked));
}

void ShowFieldText(HWND dialog, ShownTexts* shown, int id, const char* text) {
  SetDlgItemText(dialog, id, text);
  if (id >= 0 && id < kShownFields) CopyTextCutValidTrail(shown->text[id], kShownTextSize, text);
}

void ShowFieldNumber(HWND dialog, ShownTexts* shown, int id, double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  ShowFieldText(dialog, shown, id, text);
}

void ReadFieldCut(HWND dialog, int id, char* out, size_t size) {
  static char text[kFieldReadSize];
  text[0] = '\0';
  GetDlgItemText(dialog, id, text, sizeof text);
  char cut[kNameSize];
  CopyTextCutValidTrail(cut, sizeof cut, text);
  CopyTextCutValidTrail(out, size, cut);
}

int ReadChangedAmount(HWND dialog, ShownTexts* shown, int id, char (&out)[kExprSize]) {
  static char text[kFieldReadSize];
  text[0] = '\0';
  GetDlgItemText(dialog, id, text, sizeof text);
  if (id >= 0 && id < kShownFields && std::strcmp(text, shown->text[id]) == 0) return 0;
  if (std::strlen(text) >= sizeof out) {
    RefuseFieldText(dialog, shown, id);
    return 0;
  }
  std::memcpy(out, text, std::strlen(text) + 1);
  return 1;
}

void RefuseFieldText(HWND dialog, ShownTexts* shown, int id) {
  MessageBeep(0);
  if (id < 0 || id >= kShownFields) return;
  char previous[kShownTextSize];
  std::memcpy(previous, shown->text[id], sizeof previous);
  ShowFieldText(dialog, shown, id, previous);
}

int WrapExpression(const char* prefix, const char* text, const char* suffix, char (&out)[kExprSize]) {
  const size_t length = std::strlen(prefix) + std::strlen(text) + std::strlen(suffix);
  if (length >= sizeof out) return 0;
  std::snprintf(out, sizeof out, "%s%s%s", prefix, text, suffix);
  return 1;
}

int SameExpression(const char* a, const char* b) { return std::strncmp(a, b, kExprSize) == 0; }

int FocusedControl(HWND dialog) {
  HWND focus = GetFocus();
  return focus != nullptr && GetParent(focus) == dialog ? GetDlgCtrlID(focus) : 0;
}

INT_PTR DispatchHandleDialog(HWND dialog, UINT message, WPARAM wParam, void (*initialise)(HWND),
                             void (*command)(HWND, WPARAM)) {
  if (message == WM_INITDIALOG) {
    initialise(dialog);
    return TRUE;
  }
  if (message == WM_COMMAND) {
    ScriptActionScope action;
    command(dialog, wParam);
    return TRUE;
  }
  return FALSE;
}
