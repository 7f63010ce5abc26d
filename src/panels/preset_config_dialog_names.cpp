// The small dialogs that ask for a preset's name and for a preset file's name.
#include <cstdio>
#include <cstring>

#include "common/dialog_placement.h"
#include "common/plugin_globals.h"
#include "panels/preset_config_dialog_internal.h"
#include "resources/preset_dialog_resources.h"
#include "store/text_fields.h"
#include "text/localize.h"

namespace {

constexpr int kPresetNameMax = kNameSize - 1;
constexpr int kLastProposedFile = 998;
// "カスタム-%d"
constexpr char kCustomFileJapanese[] = "\203J\203X\203^\203\200-%d";
constexpr char kCustomFileEnglish[] = "Custom-%d";

// The name going into and out of the dialog being run (kNameSize bytes).
char* gNameTransfer = nullptr;

void ProposeFileName(char* name) {
  const char* format = gPlugin->language != kLanguageJapanese ? kCustomFileEnglish : kCustomFileJapanese;
  for (int n = 1; n <= kLastProposedFile; ++n) {
    std::snprintf(name, kNameSize, format, n);
    if (!PresetFileExists(name)) return;
  }
  name[0] = '\0';  // every proposal is taken: the user names the file
}

// Both dialogs: a name field filled from and read back into gNameTransfer.
INT_PTR NameDialogProc(HWND dialog, UINT message, WPARAM wParam, int edit, int limit) {
  if (message == WM_INITDIALOG) {
    PlaceDialogCentredOnTop(dialog);
    SendDlgItemMessage(dialog, edit, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    SetDlgItemText(dialog, edit, gNameTransfer);
    SendDlgItemMessage(dialog, edit, EM_SETSEL, 0, -1);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    char text[kNameSize];
    GetDlgItemText(dialog, edit, text, limit + 1);
    CopyTextCutValidTrail(gNameTransfer, kNameSize, text);
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

intptr_t RunNameDialog(HWND parent, int templateId, DLGPROC proc, char* name) {
  char* outer = gNameTransfer;
  gNameTransfer = name;
  const intptr_t result =
      DialogBoxParam(gPresetConfig.instance, MAKEINTRESOURCE(templateId), parent, proc, 0);
  gNameTransfer = outer;
  return result;
}

}  // namespace

INT_PTR PresetNameDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  return NameDialogProc(dialog, message, wParam, kPresetNameEdit, kPresetNameMax);
}

INT_PTR PresetSaveAsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) ProposeFileName(gNameTransfer);
  return NameDialogProc(dialog, message, wParam, kSaveFileAsNameEdit, kPresetFileNameMax);
}

intptr_t RunPresetNameDialog(HWND parent, int templateId, char* name) {
  return RunNameDialog(parent, templateId, PresetNameDlgProc, name);
}

intptr_t RunPresetSaveAsDialog(HWND parent, char* name) {
  return RunNameDialog(parent, ResourceIdUnlessJapanese(kSaveFileAsDialogResource), PresetSaveAsDlgProc,
                       name);
}
