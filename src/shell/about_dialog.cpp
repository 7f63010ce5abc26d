#include "shell/about_dialog.h"

#include "shell/localize.h"

intptr_t ShowAboutDialog(SPMessageData*) {
  // WIN: DialogBoxParam(instance, ResourceIdUnlessJapanese(kAboutDialogId), nullptr, AboutDialogProc, 0)
  return ResourceIdUnlessJapanese(kAboutDialogId) > 0 ? 0 : 0;
}
