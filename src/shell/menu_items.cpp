#include "shell/menu_items.h"

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "shell/about_dialog.h"

namespace {

void CheckPanelItem(PanelHandle panel, MenuItemHandle item) {
  if (panel == nullptr) return;
  int32_t shown = 0;
  sAIPanel->IsShown(panel, &shown);
  sAIMenu->CheckItem(item, shown != 0);
}

void TogglePanel(PanelHandle panel) {
  if (panel == nullptr) return;
  int32_t shown = 0;
  sAIPanel->IsShown(panel, &shown);
  sAIPanel->Show(panel, shown == 0);
}

}  // namespace

HostErr UpdateMenuItems(MenuMessage*) {
  CheckPanelItem(gPlugin->infPanel, gPlugin->infMenuItem);
  CheckPanelItem(gPlugin->varPanel, gPlugin->varMenuItem);
  return kNoErr;
}

HostErr GoMenuItem(MenuMessage* message) {
  MenuItemHandle item = message->menuItem;
  if (item == nullptr) return kNoErr;
  if (item == gPlugin->infMenuItem) {
    TogglePanel(gPlugin->infPanel);
  } else if (item == gPlugin->varMenuItem) {
    TogglePanel(gPlugin->varPanel);
  } else if (item == gPlugin->aboutMenuItem) {
    ShowAboutDialog(&message->d);
  }
  return kNoErr;
}
