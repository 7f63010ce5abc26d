// The variable list dialog: a name of the piece, an environment macro or a
// variable of another titled piece, picked for an expression.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/dialog_placement.h"
#include "common/module_instance.h"
#include "common/owner_draw_paint.h"
#include "common/plugin_globals.h"
#include "panels/var_piece_tags.h"
#include "panels/variable_dialogs.h"
#include "store/text_fields.h"
#include "text/localize.h"
#include "tools/handle_dialogs_fields.h"

namespace {

enum VariableSource { kLocalSource = 0, kEnvironmentSource = 1, kSeparatorSource = 2, kFirstTitleSource = 3 };

const char* const kEnvironmentMacros[] = {"%%GR_SCALE_H%%",  "%%GR_SCALE_V%%", "%%GR_ORIGIN_H%%",
                                          "%%GR_ORIGIN_V%%", "%%GR_ANGLE%%",   "%%PRESET_IDX%%",
                                          "%%PRESET_NAME%%"};

constexpr int kSourceFieldHeight = 16;
constexpr COLORREF kSeparatorColour = RGB(127, 127, 127);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

ArtHandle* gTitledArts = nullptr;
int32_t gTitledArtCount = 0;
int gLastSeenSource = 0;
int gLastRealSource = 0;
char gPickedText[kPickedVariableSize];

// A row's text cut at whole characters; its length is asked first, so a long
// row cannot overrun the buffer.
void ReadRowText(HWND control, UINT lengthMessage, UINT textMessage, LRESULT row, char* out, size_t size) {
  out[0] = '\0';
  if (row < 0) return;
  const LRESULT length = SendMessage(control, lengthMessage, static_cast<WPARAM>(row), 0);
  if (length < 0) return;
  char* text = static_cast<char*>(std::calloc(static_cast<size_t>(length) + 1, 1));
  if (text == nullptr) return;
  if (SendMessage(control, textMessage, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text)) >= 0)
    CopyTextCutValidTrail(out, size, text);
  std::free(text);
}

void ReadSourceText(HWND dialog, LRESULT source, char (&out)[kNameSize]) {
  ReadRowText(GetDlgItem(dialog, kVarListSourceCombo), CB_GETLBTEXTLEN, CB_GETLBTEXT, source, out,
              sizeof out);
}

LRESULT CurrentSource(HWND dialog) {
  return SendVariableListDlgItemMessage(dialog, kVarListSourceCombo, CB_GETCURSEL, 0, 0);
}

LRESULT SelectedName(HWND dialog) {
  return SendVariableListDlgItemMessage(dialog, kVarListNames, LB_GETCURSEL, 0, 0);
}

void EnablePick(HWND dialog) { EnableWindow(GetDlgItem(dialog, IDOK), SelectedName(dialog) >= 0); }

void AddName(HWND dialog, const char* name) {
  SendVariableListDlgItemMessage(dialog, kVarListNames, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
}

void AddTitledPieceNames(HWND dialog, const char* title) {
  char pieceTitle[kNameSize];
  char name[kVarNameSize];
  for (int32_t i = 0; i < gTitledArtCount; ++i) {
    ReadPieceTitle(gTitledArts[i], pieceTitle, sizeof pieceTitle);
    if (std::strcmp(pieceTitle, title) != 0) continue;
    for (int32_t k = 0; k < kMaxVariables && ReadPieceVariableName(gTitledArts[i], k, name, sizeof name); ++k)
      AddName(dialog, name);
    return;
  }
}

void InitVariableListDialog(HWND dialog) {
  PlaceDialogCentredOnTop(dialog);
  HWND combo = GetDlgItem(dialog, kVarListSourceCombo);
  RECT client{}, frame{};
  GetClientRect(combo, &client);
  GetWindowRect(combo, &frame);
  POINT origin{frame.left, frame.top};
  ScreenToClient(dialog, &origin);
  MoveWindow(combo, origin.x, origin.y, client.right - client.left, client.bottom - client.top + 1, TRUE);
  SendMessage(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kSourceFieldHeight);

  AddResourceStringsToVariableListCombo(dialog, kVarListSourceCombo, kVarListSourceStrings,
                                        kVarListSourceStringCount);
  while (SendMessage(combo, CB_GETCOUNT, 0, 0) > kSeparatorSource)
    SendMessage(combo, CB_DELETESTRING, kSeparatorSource, 0);
  if (gTitledArtCount > 0) AddVariableListComboString(dialog, kVarListSourceCombo, "-");
  char title[kNameSize];
  for (int32_t i = 0; i < gTitledArtCount; ++i) {
    ReadPieceTitle(gTitledArts[i], title, sizeof title);
    AddVariableListComboString(dialog, kVarListSourceCombo, title);
  }
  gLastRealSource = kLocalSource;
  gLastSeenSource = kLocalSource;
  SendMessage(combo, CB_SETCURSEL, kLocalSource, 0);
  FillVariablePickerList(dialog);
}

void OnSourceNotification(HWND dialog) {
  const int source = static_cast<int>(CurrentSource(dialog));
  if (source == gLastSeenSource || source < 0) return;
  gLastSeenSource = source;
  if (source == kSeparatorSource) {
    // Seen as the source it returns to, so that the separator can be chosen
    // again.
    SendVariableListDlgItemMessage(dialog, kVarListSourceCombo, CB_SETCURSEL, gLastRealSource, 0);
    gLastSeenSource = gLastRealSource;
    return;
  }
  if (source == gLastRealSource) return;
  gLastRealSource = source;
  FillVariablePickerList(dialog);
}

// Without a chosen row there is nothing to insert, so OK waits for one.
void PickSelectedName(HWND dialog) {
  const LRESULT row = SelectedName(dialog);
  if (row < 0) return;
  char name[kNameSize];
  ReadRowText(GetDlgItem(dialog, kVarListNames), LB_GETTEXTLEN, LB_GETTEXT, row, name, sizeof name);
  const LRESULT source = CurrentSource(dialog);
  if (source >= kFirstTitleSource) {
    char title[kNameSize];
    ReadSourceText(dialog, source, title);
    std::snprintf(gPickedText, sizeof gPickedText, "%s:%s", title, name);
  } else {
    CopyTextCutValidTrail(gPickedText, sizeof gPickedText, name);
  }
  EndDialog(dialog, IDOK);
}

void OnVariableListCommand(HWND dialog, WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case kVarListSourceCombo:
      OnSourceNotification(dialog);
      break;
    case kVarListNames:
      EnablePick(dialog);
      break;
    case IDOK:
      PickSelectedName(dialog);
      break;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      break;
  }
}

void DrawSourceItem(const DRAWITEMSTRUCT* item) {
  HDC dc = item->hDC;
  const RECT& row = item->rcItem;
  char text[kNameSize] = "";
  if (item->itemID != static_cast<UINT>(-1))
    ReadRowText(item->hwndItem, CB_GETLBTEXTLEN, CB_GETLBTEXT, item->itemID, text, sizeof text);
  if (text[0] == '\0' || text[0] == '-') {
    DrawRowSeparator(dc, row, kSeparatorColour);
    return;
  }
  if ((item->itemState & ODS_SELECTED) != 0) {
    FillRect(dc, &row, reinterpret_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  } else {
    FillSolid(dc, row, kWhite);
  }
  const int length = static_cast<int>(std::strlen(text));
  SIZE extent{};
  GetTextExtentPoint32(dc, text, length, &extent);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kBlack);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  TextOut(dc, row.left + 2, row.top + (row.bottom - row.top - extent.cy) / 2, text, length);
  if ((item->itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &row);
}

}  // namespace

LRESULT SendVariableListDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendRevisionDlgItemMessage(dialog, id, message, wParam, lParam);
}

void AddResourceStringsToVariableListCombo(HWND dialog, int id, int firstStringId, int count) {
  FillComboFromStringTable(dialog, id, firstStringId, count);
}

void AddVariableListComboString(HWND dialog, int id, const char* text) {
  AddRevisionComboString(dialog, id, text);
}

void FillVariablePickerList(HWND dialog) {
  SendVariableListDlgItemMessage(dialog, kVarListNames, LB_RESETCONTENT, 0, 0);
  const LRESULT source = CurrentSource(dialog);
  const VariableTable& table = gPlugin->variables;
  if (source == kLocalSource && table.varNames != nullptr) {
    for (int row = 0; row < kMaxVariables && table.varNames[row][0] != '\0'; ++row)
      AddName(dialog, table.varNames[row]);
  } else if (source == kEnvironmentSource) {
    for (const char* macro : kEnvironmentMacros) AddName(dialog, macro);
  } else if (source >= kFirstTitleSource) {
    char title[kNameSize];
    ReadSourceText(dialog, source, title);
    AddTitledPieceNames(dialog, title);
  }
  EnablePick(dialog);
}

INT_PTR VariableListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item == nullptr || item->CtlID != kVarListSourceCombo) return FALSE;
    DrawSourceItem(item);
    return TRUE;
  }
  return DispatchHandleDialog(dialog, message, wParam, InitVariableListDialog, OnVariableListCommand);
}

int32_t ShowVariableListDialog(PluginRef, HWND parent, char* text) {
  HINSTANCE instance = LastModuleInstance();
  CollectDocumentTitledArts(&gTitledArts, &gTitledArtCount);
  gPickedText[0] = '\0';
  const INT_PTR result = DialogBoxParam(instance, MAKEINTRESOURCE(DialogIdForLanguage(kVariableListDialogId)),
                                        parent, VariableListDlgProc, 0);
  if (result == IDOK && text != nullptr) CopyTextCutValidTrail(text, kPickedVariableSize, gPickedText);
  std::free(gTitledArts);
  gTitledArts = nullptr;
  gTitledArtCount = 0;
  return static_cast<int32_t>(result);
}
