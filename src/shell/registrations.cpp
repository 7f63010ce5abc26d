#include "shell/registrations.h"

#include <cstdio>
#include <cstring>

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "text/localize.h"

const RevisionToolRow kRevisionToolRows[kRevisionTools] = {
    {1, 1, 1, 16252, 16352},  // distance
    {2, 2, 2, 16253, 16353},  // length
    {6, 5, 4, 16259, 16359},  // arc
    {4, 6, 5, 16260, 16360},  // angle
    {3, 3, 3, 16254, 16354},  // point
    {5, 4, 6, 16258, 16358},  // measurement
};

namespace {

constexpr int32_t kToolOptions = 0xB;
constexpr size_t kTitleSize = 256;

HostErr AddMenuItemWithText(SPMessageData* message, const char* name, const char* group, const char* text,
                            int32_t options, MenuItemHandle* item) {
  HostString hostText(text);
  return sAIMenu->AddMenuItem(message->self, name, group, hostText.get(), options, item);
}

// Whether another module of the same maker already made the About group.
// Counting that fails skips the About item altogether.
bool FindAboutGroup(bool* found) {
  int32_t count = 0;
  if (sAIMenu->CountMenuGroups(&count) != kNoErr) return false;
  *found = false;
  for (int32_t i = 0; i < count; ++i) {
    MenuGroupHandle group = nullptr;
    const char* name = nullptr;
    if (sAIMenu->GetNthMenuGroup(i, &group) != kNoErr) break;
    if (sAIMenu->GetMenuGroupName(group, &name) != kNoErr) break;
    if (name != nullptr && std::strcmp(name, kAboutGroupName) == 0) {
      *found = true;
      break;
    }
  }
  return true;
}

}  // namespace

HostErr AddTools(SPMessageData* message) {
  PluginGlobals& g = *gPlugin;
  char firstTitle[kTitleSize] = {};
  for (int i = 0; i < kRevisionTools; ++i) {
    const RevisionToolRow& row = kRevisionToolRows[i];
    char base[kTitleSize - sizeof gPlugin->productName - 1];
    LocalizeUiString(message->self, kLocalizedTexts[row.titlePair].japanese, base, sizeof base);
    char title[kTitleSize];
    std::snprintf(title, sizeof title, "%s_%s", base, g.productName);

    ToolData data{title, base, row.iconId, row.darkIconId, kNoTool, kNoTool};
    if (i == 0) {
      std::memcpy(firstTitle, title, sizeof title);
    } else {
      int32_t firstNumber = kNoTool;
      HostErr error = sAITool->GetToolNumberFromName(firstTitle, &firstNumber);
      if (error != kNoErr) return error;
      data.sameGroupAs = data.sameToolsetAs = firstNumber;
    }
    HostErr error = sAITool->AddTool(message->self, title, &data, kToolOptions, &g.toolHandles[row.slot]);
    if (error != kNoErr) return error;
  }
  return kNoErr;
}

HostErr RegisterNotifiers(SPMessageData* message) {
  HostErr error = sAINotifier->AddNotifier(message->self, "Vestamark_NOTIFIER_A", kAppStartedNotifier,
                                           &gPlugin->notifierAppStarted);
  if (error != kNoErr) return error;
  return sAINotifier->AddNotifier(message->self, "Vestamark_NOTIFIER_B", kDocumentChangedNotifier,
                                  &gPlugin->notifierDocChanged);
}

HostErr AddMenus(SPMessageData* message) {
  PluginGlobals& g = *gPlugin;
  MenuItemHandle groupItem = nullptr;
  MenuGroupHandle group = nullptr;
  HostErr error =
      AddMenuItemWithText(message, "Vestamark Group", kToolPalettesMenuGroup, g.productName, 0, &groupItem);
  if (error == kNoErr) error = sAIMenu->AddMenuGroupAsSubMenu("Vestamark Group", 0, groupItem, &group);
  if (error == kNoErr) {
    error = AddMenuItemWithText(message, "Vestamark_INF Group", "Vestamark Group", "Information", 1,
                                &g.infMenuItem);
  }
  if (error == kNoErr) {
    error =
        AddMenuItemWithText(message, "Vestamark_VAR Group", "Vestamark Group", "Variable", 1, &g.varMenuItem);
  }
  if (error != kNoErr) return error;

  bool aboutGroupExists = false;
  if (!FindAboutGroup(&aboutGroupExists)) return kNoErr;
  if (!aboutGroupExists) {
    MenuItemHandle aboutItem = nullptr;
    MenuGroupHandle aboutGroup = nullptr;
    error = AddMenuItemWithText(message, kAboutGroupName, kAboutMenuGroup, "About Plug-ins (QUORVEL INC.)", 0,
                                &aboutItem);
    if (error == kNoErr) error = sAIMenu->AddMenuGroupAsSubMenu(kAboutGroupName, 1, aboutItem, &aboutGroup);
    if (error != kNoErr) return error;
  }
  char name[128];
  std::snprintf(name, sizeof name, "%s_%s", kAboutGroupName, g.productName);
  char text[128];
  std::snprintf(text, sizeof text, "%s...", g.productName);
  return AddMenuItemWithText(message, name, kAboutGroupName, text, 0, &g.aboutMenuItem);
}

HostErr AddPollTimer(SPMessageData* message) {
  return sAITimer->AddTimer(message->self, kPollTimerName, kPollTimerPeriod, &gPlugin->pollTimer);
}
