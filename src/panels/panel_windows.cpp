#include "panels/panel_windows.h"

#include "common/deferred_command.h"
#include "common/host_string.h"
#include "common/module_instance.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "common/suite_table.h"
#include "panels/panel_controls.h"
#include "win_api.h"

namespace {

constexpr int32_t kPanelMinWidth = 250;
constexpr int32_t kPanelMinHeight = 210;

// A separator has no texts.
struct FlyoutItemText {
  uint32_t id;
  const char* japanese;
  const char* english;
};

const FlyoutItemText kInfFlyoutItems[] = {
    {1, "\225\342\220\263\203n\203\223\203h\203\213\202\314\203O\203\213\201[\203v\211\273",
     "Grouping revision handle"},
    {2, "\225\342\220\263\203n\203\223\203h\203\213\202\314\203O\203\213\201[\203v\211\360\217\234",
     "Ungrouping revision handle"},
    {3, nullptr, nullptr},
    {4, "\212\356\226{\220\335\222\350...", "Basic settings..."},
    {5, "\203I\203u\203W\203F\203N\203g\203^\203O\202\360\215\355\217\234...", "Delete object tags..."},
    {6, nullptr, nullptr},
    {7, "\203v\203\212\203Z\203b\203g\202\314\220\335\222\350...", "Preset setting..."},
    {8, nullptr, nullptr},
    {9, "\203v\203\212\203Z\203b\203g\202\360\203R\203s\201[...", "Copy preset..."},
    {10, "\203v\203\212\203Z\203b\203g\202\360\217\211\212\372\211\273...", "Initialize preset..."},
    {11, nullptr, nullptr},
    // Placeholders for the preset items.
    {12, "1", "1"},
    {13, "2", "2"},
    {14, "3", "3"},
    {15, "4", "4"},
    {16, "5", "5"},
    {17, "6", "6"},
    {18, "7", "7"},
    {19, "8", "8"},
};

const FlyoutItemText kVarFlyoutItems[] = {
    {1, "\223\307\202\335\215\236\202\335...", "Import..."},
    {2, "\217\221\202\253\217o\202\265...", "Export..."},
    {3, nullptr, nullptr},
    {4, "1", "1"},
    {5, "2", "2"},
    {6, "3", "3"},
    {7, "4", "4"},
    {8, "5", "5"},
    {9, "6", "6"},
    {10, "7", "7"},
    {11, "8", "8"},
};

// What tells the two panels apart.
struct PanelKind {
  PanelHandle PluginGlobals::*panel;
  FlyoutMenuHandle PluginGlobals::*flyout;
  LayoutRect PluginGlobals::*layout;
  const char* id;
  const char* title;
  const FlyoutItemText* items;
  int itemCount;
  void (*install)();
  void (*build)(HWND);
  PanelFlyoutCallback onFlyout;
  PanelSizeCallback onResize;
};

const PanelKind kInfKind = {&PluginGlobals::infPanel,
                            &PluginGlobals::infFlyout,
                            &PluginGlobals::infLayout,
                            kInfPanelId,
                            "Vestamark Inf.",
                            kInfFlyoutItems,
                            static_cast<int>(sizeof kInfFlyoutItems / sizeof kInfFlyoutItems[0]),
                            InstallInfPanelCallbacks,
                            BuildInfoPanelControls,
                            OnInfFlyoutItem,
                            OnInfPanelResize};

const PanelKind kVarKind = {&PluginGlobals::varPanel,
                            &PluginGlobals::varFlyout,
                            &PluginGlobals::varLayout,
                            kVarPanelId,
                            "Vestamark Var.",
                            kVarFlyoutItems,
                            static_cast<int>(sizeof kVarFlyoutItems / sizeof kVarFlyoutItems[0]),
                            InstallVarPanelCallbacks,
                            BuildVariablePanelControls,
                            OnVarFlyoutItem,
                            OnVarPanelResize};

void AppendFlyoutItems(FlyoutMenuHandle flyout, const PanelKind& kind) {
  const bool japanese = gPlugin->language == 0;
  for (int i = 0; i < kind.itemCount; ++i) {
    const FlyoutItemText& item = kind.items[i];
    if (item.japanese == nullptr) {
      sAIPanelFlyoutMenu->AppendSeparator(flyout, item.id);
    } else {
      HostString text(japanese ? item.japanese : item.english);
      sAIPanelFlyoutMenu->AppendItem(flyout, item.id, text.get());
    }
  }
}

void CreatePanelOfKind(NotifierMessage* message, const PanelKind& kind) {
  PluginGlobals& g = *gPlugin;
  // Made once; a second start notice would orphan the first panel.
  if (g.*kind.panel != nullptr) return;
  gModuleInstance = ModuleInstance(message->d.access);
  if (sAIPanel == nullptr || sAIPanelFlyoutMenu == nullptr) return;

  FlyoutMenuHandle& flyout = g.*kind.flyout;
  if (sAIPanelFlyoutMenu->Create(&flyout) == kNoErr) {
    AppendFlyoutItems(flyout, kind);
  } else {
    flyout = nullptr;
  }

  PanelHandle& panel = g.*kind.panel;
  HostString title(kind.title);
  if (sAIPanel->Create(message->d.self, kind.id, title.get(), 1, kPanelMinWidth, kPanelMinHeight, 1, flyout,
                       &panel) != kNoErr) {
    panel = nullptr;
    return;
  }
  kind.install();
}

void InstallCallbacksOfKind(const PanelKind& kind) {
  PanelHandle panel = gPlugin->*kind.panel;
  if (panel == nullptr || sAIPanel == nullptr) return;
  sAIPanel->SetFlyoutMenuCallback(panel, kind.onFlyout);
  HWND window = nullptr;
  if (sAIPanel->GetPlatformWindow(panel, &window) != kNoErr) window = nullptr;
  // Without a window there is nothing to fill or subclass.
  if (window != nullptr) kind.build(window);
  sAIPanel->Show(panel, 1);
  sAIPanel->SetSizeChangedCallback(panel, kind.onResize);
}

void ResizePanelOfKind(PanelHandle panel, const PanelKind& kind) {
  if (gPlugin == nullptr || gPlugin->basicAtCallback == nullptr) return;
  SPBasicSuite* basic = gPlugin->basicAtCallback;
  if (AcquireSuites(basic) == kNoErr && sAIPanel != nullptr) {
    int32_t width = 0, height = 0;
    HWND window = nullptr;
    if (sAIPanel->GetSize(panel, &width, &height) == kNoErr && gPlugin->*kind.panel != nullptr &&
        sAIPanel->GetPlatformWindow(panel, &window) == kNoErr && window != nullptr) {
      RelayoutPanel(window, &(gPlugin->*kind.layout));
    }
  }
  ReleaseSuites(basic);
}

}  // namespace

void CreateInfPanel(NotifierMessage* message) { CreatePanelOfKind(message, kInfKind); }

void CreateVarPanel(NotifierMessage* message) { CreatePanelOfKind(message, kVarKind); }

void InstallInfPanelCallbacks() { InstallCallbacksOfKind(kInfKind); }

void InstallVarPanelCallbacks() { InstallCallbacksOfKind(kVarKind); }

void OnInfFlyoutItem(PanelHandle, uint32_t itemId) {
  PostDeferredCommand(kDeferredInfFlyoutItem, static_cast<uint16_t>(itemId), 0, nullptr);
}

void OnVarFlyoutItem(PanelHandle, uint32_t itemId) {
  PostDeferredCommand(kDeferredVarFlyoutItem, static_cast<uint16_t>(itemId), 0, nullptr);
}

void OnInfPanelResize(PanelHandle panel) { ResizePanelOfKind(panel, kInfKind); }

void OnVarPanelResize(PanelHandle panel) { ResizePanelOfKind(panel, kVarKind); }

void InvalidateVarList() {
  if (gPlugin == nullptr || gPlugin->varPanel == nullptr || sAIPanel == nullptr) return;
  HWND window = nullptr;
  if (sAIPanel->GetPlatformWindow(gPlugin->varPanel, &window) != kNoErr || window == nullptr) return;
  if (HWND list = GetDlgItem(window, kPanelListId)) InvalidateRect(list, nullptr, FALSE);
}
