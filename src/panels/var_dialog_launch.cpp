#include "panels/var_dialog_launch.h"

#include <cstring>

#include "common/module_instance.h"
#include "common/suite_pointers.h"
#include "panels/variable_dialogs.h"
#include "store/text_fields.h"
#include "text/localize.h"
#include "win_api.h"

intptr_t ShowVariableDialog(PluginRef, char* name, char* value, uint32_t* isPrivate) {
  VariableDialogTransfer& transfer = gVariableDialogTransfer;
  CopyTextCutValidTrail(transfer.name, sizeof transfer.name, name);
  CopyTextCutValidTrail(transfer.value, sizeof transfer.value, value);
  transfer.isPrivate = *isPrivate;
  HWND owner = nullptr;
  if (sAIContext != nullptr) sAIContext->GetPlatformAppWindow(&owner);
  const intptr_t result =
      DialogBoxParam(LastModuleInstance(), MAKEINTRESOURCE(DialogIdForLanguage(kVariableEditDialogId)), owner,
                     VariableEditDlgProc, 0);
  if (result == 1) {
    CopyTextCutValidTrail(name, kNameSize, transfer.name);
    CopyTextCutValidTrail(value, kVarValueSize, transfer.value);
    *isPrivate = transfer.isPrivate != 0 ? 1 : 0;
  }
  return result;
}
