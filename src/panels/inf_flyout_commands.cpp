#include "panels/inf_flyout_commands.h"

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "panels/inf_flyout_internal.h"
#include "panels/preset_flyout_items.h"
#include "tools/basic_settings_dialog.h"

bool ConfirmInfCommand(const char* cp932Text) {
  if (sAIUser == nullptr) return false;
  HostString text(cp932Text);
  int32_t answer = 0;
  if (sAIUser->OKCancelAlert(text.get(), 1, &answer) != kNoErr) return false;
  return answer == 1;
}

void RunInfFlyoutCommand(uint32_t itemId) {
  if (gPlugin == nullptr) return;
  switch (itemId) {
    case 1:
    case 2:
      GroupSelectedHandles(itemId == 1);
      return;
    case 4:
      EditBasicSettings();
      return;
    case 5:
      DeleteObjectTags();
      return;
    case 7:
      RunPresetSetting();
      return;
    case 9:
      CopyPresetAmounts();
      return;
    case 10:
      InitializePreset();
      return;
    default:
      if (itemId >= kInfFirstPresetItem && itemId < kInfFirstPresetItem + kMaxPresets)
        ChoosePreset(static_cast<int16_t>(itemId - kInfFirstPresetItem));
      return;
  }
}

void UpdateInfFlyoutState() {
  if (gPlugin != nullptr) RebuildPresetFlyoutItems(gPlugin->infFlyout, kInfFirstPresetItem);
}
