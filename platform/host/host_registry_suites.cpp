// Plug-in, notifier, timer, menu, tool, action, panel and flyout suites.
#include <algorithm>
#include <cstring>

#include "host_model.h"
#include "host_suite_tables.h"

namespace {

template <typename T>
bool InPool(const std::vector<std::unique_ptr<T>>& pool, const T* item) {
  if (!item) return false;
  return std::any_of(pool.begin(), pool.end(), [item](const auto& p) { return p.get() == item; });
}

template <typename T>
T* AddTo(std::vector<std::unique_ptr<T>>& pool) {
  pool.push_back(std::make_unique<T>());
  return pool.back().get();
}

// ---- plug-in -----------------------------------------------------------------------

HostErr GetPluginOptions(PluginRef plugin, int32_t* options) {
  if (!InPool(gHost.plugins, plugin) || !options) return kBadParameterErr;
  *options = plugin->options;
  return kNoErr;
}

HostErr SetPluginOptions(PluginRef plugin, int32_t options) {
  if (!InPool(gHost.plugins, plugin)) return kBadParameterErr;
  plugin->options = options;
  return kNoErr;
}

HostErr GetPluginName(PluginRef plugin, const char** name) {
  if (!InPool(gHost.plugins, plugin) || !name) return kBadParameterErr;
  *name = plugin->name.c_str();
  return kNoErr;
}

HostErr GetPluginAccess(PluginRef plugin, AccessRef* access) {
  if (!InPool(gHost.plugins, plugin) || !access) return kBadParameterErr;
  *access = &plugin->access;
  return kNoErr;
}

// ---- notifiers and timers ----------------------------------------------------------------

HostErr AddNotifier(PluginRef plugin, const char* name, const char* type, NotifierHandle* notifier) {
  if (!InPool(gHost.plugins, plugin) || !name || !type) return kBadParameterErr;
  HostNotifier* n = AddTo(gHost.notifiers);
  n->plugin = plugin;
  n->name = name;
  n->type = type;
  if (notifier) *notifier = n;
  return kNoErr;
}

HostErr Notify(const char* type, void* data) {
  if (!type) return kBadParameterErr;
  return BroadcastNotification(type, data);
}

HostErr AddTimer(PluginRef plugin, const char* name, int32_t periodTicks, TimerHandle* timer) {
  if (!InPool(gHost.plugins, plugin) || !name) return kBadParameterErr;
  HostTimer* t = AddTo(gHost.timers);
  t->plugin = plugin;
  t->name = name;
  t->period = std::max(1, periodTicks);
  t->due = gHost.clock + t->period;
  if (timer) *timer = t;
  return kNoErr;
}

// ---- menus -----------------------------------------------------------------------

HostMenuGroup* FindGroup(const char* name) {
  for (auto& g : gHost.menuGroups)
    if (g->name == name) return g.get();
  return nullptr;
}

HostErr AddMenuItem(PluginRef plugin, const char* name, const char* group, UnicodeStringHandle text,
                    int32_t options, MenuItemHandle* item) {
  if (!InPool(gHost.plugins, plugin) || !name || !group) return kBadParameterErr;
  if (!FindGroup(group)) return kNotFoundErr;
  HostMenuItem* m = AddTo(gHost.menuItems);
  m->plugin = plugin;
  m->name = name;
  m->group = group;
  m->text = text ? text->text : std::u16string();
  m->options = options;
  if (item) *item = m;
  return kNoErr;
}

HostErr AddMenuGroupAsSubMenu(const char* name, int32_t options, MenuItemHandle item,
                              MenuGroupHandle* group) {
  if (!name || !InPool(gHost.menuItems, item)) return kBadParameterErr;
  if (FindGroup(name)) return kBadParameterErr;
  HostMenuGroup* g = AddTo(gHost.menuGroups);
  g->name = name;
  g->options = options;
  g->owner = item;
  if (group) *group = g;
  return kNoErr;
}

HostErr CountMenuGroups(int32_t* count) {
  if (!count) return kBadParameterErr;
  *count = static_cast<int32_t>(gHost.menuGroups.size());
  return kNoErr;
}

HostErr GetNthMenuGroup(int32_t n, MenuGroupHandle* group) {
  if (!group) return kBadParameterErr;
  *group = nullptr;
  if (n < 0 || n >= static_cast<int32_t>(gHost.menuGroups.size())) return kOutOfRangeErr;
  *group = gHost.menuGroups[static_cast<size_t>(n)].get();
  return kNoErr;
}

HostErr GetMenuGroupName(MenuGroupHandle group, const char** name) {
  if (!InPool(gHost.menuGroups, group) || !name) return kBadParameterErr;
  *name = group->name.c_str();
  return kNoErr;
}

HostErr CheckItem(MenuItemHandle item, int32_t checked) {
  if (!InPool(gHost.menuItems, item)) return kBadParameterErr;
  item->checked = checked != 0;
  return kNoErr;
}

HostErr IsItemChecked(MenuItemHandle item, int32_t* checked) {
  if (!InPool(gHost.menuItems, item) || !checked) return kBadParameterErr;
  *checked = item->checked ? 1 : 0;
  return kNoErr;
}

// ---- tools -----------------------------------------------------------------------------

constexpr int32_t kFirstToolNumber = 100;  // numbers below belong to the host's own tools

HostErr AddTool(PluginRef plugin, const char* name, const ToolData* data, int32_t options, ToolHandle* tool) {
  if (!InPool(gHost.plugins, plugin) || !name || !data) return kBadParameterErr;
  HostTool* t = AddTo(gHost.tools);
  t->plugin = plugin;
  t->name = name;
  t->title = data->title ? data->title : "";
  t->tooltip = data->tooltip ? data->tooltip : "";
  t->number = kFirstToolNumber + static_cast<int32_t>(gHost.tools.size()) - 1;
  t->iconId = data->iconId;
  t->darkIconId = data->darkIconId;
  t->sameGroupAs = data->sameGroupAs;
  t->sameToolsetAs = data->sameToolsetAs;
  t->options = options;
  if (tool) *tool = t;
  return kNoErr;
}

// Titles first, as the toolbox knows tools by title; then internal names.
HostErr GetToolNumberFromName(const char* name, int32_t* number) {
  if (!name || !number) return kBadParameterErr;
  for (auto& t : gHost.tools)
    if (t->title == name) return *number = t->number, kNoErr;
  for (auto& t : gHost.tools)
    if (t->name == name) return *number = t->number, kNoErr;
  return kNotFoundErr;
}

HostErr GetToolName(ToolHandle tool, const char** name) {
  if (!InPool(gHost.tools, tool) || !name) return kBadParameterErr;
  *name = tool->name.c_str();
  return kNoErr;
}

HostErr GetToolTitle(ToolHandle tool, const char** title) {
  if (!InPool(gHost.tools, tool) || !title) return kBadParameterErr;
  *title = tool->title.c_str();
  return kNoErr;
}

HostErr GetSelectedTool(ToolHandle* tool) {
  if (!tool) return kBadParameterErr;
  *tool = gHost.selectedTool;
  return kNoErr;
}

HostErr SetSelectedTool(ToolHandle tool) {
  if (tool && !InPool(gHost.tools, tool)) return kBadParameterErr;
  return SwitchSelectedTool(tool);
}

// ---- actions --------------------------------------------------------------------------

HostErr NewActionParamType(ActionParamsHandle* params) {
  if (!params) return kBadParameterErr;
  *params = AddTo(gHost.actionParams);
  return kNoErr;
}

HostErr DeleteActionParamType(ActionParamsHandle params) {
  auto& pool = gHost.actionParams;
  auto it = std::find_if(pool.begin(), pool.end(), [params](const auto& p) { return p.get() == params; });
  if (it == pool.end()) return kBadParameterErr;
  pool.erase(it);
  return kNoErr;
}

HostErr RegisterActionEvent(const char* name, const char* localizedName, int32_t version, int32_t flags,
                            PluginRef plugin, ActionParamsHandle) {
  if (!name || !InPool(gHost.plugins, plugin)) return kBadParameterErr;
  auto& events = gHost.actionEvents;
  auto it =
      std::find_if(events.begin(), events.end(), [name](const ActionEvent& e) { return e.name == name; });
  if (it == events.end()) it = events.insert(events.end(), ActionEvent{});
  *it = ActionEvent{name, localizedName ? localizedName : "", version, flags, plugin, false};
  return kNoErr;
}

// A play that arrives while the same event is still running (a panel event
// raised inside the command it started) is dropped: running it would replace
// the command half-way through.
HostErr PlayActionEvent(const char* name, int32_t, ActionParamsHandle params) {
  if (!name) return kBadParameterErr;
  size_t index = 0;
  for (; index < gHost.actionEvents.size(); index++)
    if (gHost.actionEvents[index].name == name) break;
  if (index == gHost.actionEvents.size()) return kNotFoundErr;
  if (gHost.actionEvents[index].playing) {
    gHost.droppedPlays++;
    return kCanceledErr;
  }
  gHost.actionEvents[index].playing = true;
  ActionMessage message{};
  message.eventName = name;
  message.params = params;
  HostErr err = CallPlugin(gHost.actionEvents[index].plugin, "Action Manager", "Do Action", &message.d);
  gHost.actionEvents[index].playing = false;
  return err;
}

// ---- panels and flyout menus -------------------------------------------------------------

bool IsLivePanel(PanelHandle panel) { return InPool(gHost.panels, panel) && panel->alive; }
bool IsLiveFlyout(FlyoutMenuHandle menu) { return InPool(gHost.flyouts, menu) && menu->alive; }

HostErr CreatePanel(PluginRef plugin, const char* id, UnicodeStringHandle title, int16_t stateCount,
                    int32_t minWidth, int32_t minHeight, int32_t resizable, FlyoutMenuHandle flyout,
                    PanelHandle* panel) {
  if (!InPool(gHost.plugins, plugin) || !id || !panel) return kBadParameterErr;
  if (flyout && !IsLiveFlyout(flyout)) return kBadParameterErr;
  HostPanel* p = AddTo(gHost.panels);
  p->plugin = plugin;
  p->id = id;
  p->title = title ? title->text : std::u16string();
  p->stateCount = stateCount;
  p->minWidth = p->width = minWidth;
  p->minHeight = p->height = minHeight;
  p->resizable = resizable != 0;
  p->flyout = flyout;
  OpenPanelWindow(p);
  *panel = p;
  return kNoErr;
}

HostErr DestroyPanel(PanelHandle panel) {
  if (!IsLivePanel(panel)) return kBadParameterErr;
  panel->alive = false;
  panel->shown = false;
  ClosePanelWindow(panel);
  return kNoErr;
}

HostErr ShowPanel(PanelHandle panel, int32_t show) {
  if (!IsLivePanel(panel)) return kBadParameterErr;
  panel->shown = show != 0;
  ShowPanelWindow(panel);
  return kNoErr;
}

HostErr IsPanelShown(PanelHandle panel, int32_t* shown) {
  if (!IsLivePanel(panel) || !shown) return kBadParameterErr;
  *shown = panel->shown ? 1 : 0;
  return kNoErr;
}

HostErr GetPlatformWindow(PanelHandle panel, HWND__** window) {
  if (!IsLivePanel(panel) || !window) return kBadParameterErr;
  *window = panel->window;
  return kNoErr;
}

HostErr GetPanelSize(PanelHandle panel, int32_t* width, int32_t* height) {
  if (!IsLivePanel(panel) || !width || !height) return kBadParameterErr;
  *width = panel->width;
  *height = panel->height;
  return kNoErr;
}

HostErr SetPanelSize(PanelHandle panel, int32_t width, int32_t height) {
  if (!IsLivePanel(panel)) return kBadParameterErr;
  width = std::max(width, panel->minWidth);
  height = std::max(height, panel->minHeight);
  bool changed = width != panel->width || height != panel->height;
  panel->width = width;
  panel->height = height;
  SizePanelWindow(panel);
  if (changed && panel->sizeCallback) panel->sizeCallback(panel);
  return kNoErr;
}

HostErr SetFlyoutMenuCallback(PanelHandle panel, PanelFlyoutCallback callback) {
  if (!IsLivePanel(panel)) return kBadParameterErr;
  panel->flyoutCallback = callback;
  return kNoErr;
}

HostErr SetSizeChangedCallback(PanelHandle panel, PanelSizeCallback callback) {
  if (!IsLivePanel(panel)) return kBadParameterErr;
  panel->sizeCallback = callback;
  return kNoErr;
}

HostErr CreateFlyout(FlyoutMenuHandle* menu) {
  if (!menu) return kBadParameterErr;
  *menu = AddTo(gHost.flyouts);
  return kNoErr;
}

HostErr DestroyFlyout(FlyoutMenuHandle menu) {
  if (!IsLiveFlyout(menu)) return kBadParameterErr;
  menu->alive = false;
  menu->items.clear();
  return kNoErr;
}

HostErr AppendFlyoutItem(FlyoutMenuHandle menu, uint32_t itemId, UnicodeStringHandle text) {
  if (!IsLiveFlyout(menu)) return kBadParameterErr;
  menu->items.push_back(FlyoutItem{itemId, text ? text->text : std::u16string(), false, true, false});
  return kNoErr;
}

HostErr AppendFlyoutSeparator(FlyoutMenuHandle menu, uint32_t itemId) {
  if (!IsLiveFlyout(menu)) return kBadParameterErr;
  menu->items.push_back(FlyoutItem{itemId, std::u16string(), true, false, false});
  return kNoErr;
}

HostErr RemoveFlyoutItem(FlyoutMenuHandle menu, uint32_t itemId) {
  if (!IsLiveFlyout(menu)) return kBadParameterErr;
  auto& items = menu->items;
  items.erase(
      std::remove_if(items.begin(), items.end(), [itemId](const FlyoutItem& i) { return i.id == itemId; }),
      items.end());
  return kNoErr;
}

HostErr SetFlyoutFlag(FlyoutMenuHandle menu, uint32_t itemId, bool FlyoutItem::*flag, int32_t value) {
  if (!IsLiveFlyout(menu)) return kBadParameterErr;
  for (FlyoutItem& item : menu->items)
    if (item.id == itemId) {
      item.*flag = value != 0;
      return kNoErr;
    }
  return kNotFoundErr;
}

HostErr SetFlyoutItemEnabled(FlyoutMenuHandle menu, uint32_t itemId, int32_t enabled) {
  return SetFlyoutFlag(menu, itemId, &FlyoutItem::enabled, enabled);
}

HostErr SetFlyoutItemChecked(FlyoutMenuHandle menu, uint32_t itemId, int32_t checked) {
  return SetFlyoutFlag(menu, itemId, &FlyoutItem::checked, checked);
}

HostErr CountFlyoutItems(FlyoutMenuHandle menu, int32_t* count) {
  if (!IsLiveFlyout(menu) || !count) return kBadParameterErr;
  *count = static_cast<int32_t>(menu->items.size());
  return kNoErr;
}

}  // namespace

const AIPluginSuite kPluginSuite = {GetPluginOptions, SetPluginOptions, GetPluginName, GetPluginAccess};
const AINotifierSuite kNotifierSuite = {AddNotifier, Notify};
const AITimerSuite kTimerSuite = {AddTimer};
const AIMenuSuite kMenuSuite = {AddMenuItem,     AddMenuGroupAsSubMenu, CountMenuGroups,
                                GetNthMenuGroup, GetMenuGroupName,      CheckItem,
                                IsItemChecked};
const AIToolSuite kToolSuite = {AddTool,      GetToolNumberFromName, GetToolName,
                                GetToolTitle, GetSelectedTool,       SetSelectedTool};
const AIActionManagerSuite kActionManagerSuite = {NewActionParamType, DeleteActionParamType,
                                                  RegisterActionEvent, PlayActionEvent};
const AIPanelSuite kPanelSuite = {CreatePanel,  DestroyPanel,          ShowPanel,
                                  IsPanelShown, GetPlatformWindow,     GetPanelSize,
                                  SetPanelSize, SetFlyoutMenuCallback, SetSizeChangedCallback};
const AIPanelFlyoutMenuSuite kFlyoutMenuSuite = {
    CreateFlyout,     DestroyFlyout,        AppendFlyoutItem,     AppendFlyoutSeparator,
    RemoveFlyoutItem, SetFlyoutItemEnabled, SetFlyoutItemChecked, CountFlyoutItems};
