#include "shell/about_dialog.h"

#include "common/dialog_placement.h"
#include "common/module_instance.h"
#include "resources/shell_resource_ids.h"
#include "text/localize.h"
#include "win_api.h"

namespace {

INT_PTR AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    PlaceDialogCentredOnTop(dialog);
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

intptr_t ShowAboutDialog(SPMessageData* message) {
  const int32_t id = ResourceIdUnlessJapanese(kAboutDialogResource);
  return DialogBoxParam(ModuleInstance(message->access), MAKEINTRESOURCE(id), nullptr, AboutDialogProc, 0);
}
