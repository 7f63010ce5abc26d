// The driver: messages to plug-ins exactly as the host sends them.
#include "host_driver.h"

#include <algorithm>

#include "host_suite_tables.h"

HostErr CallPlugin(HostPlugin* plugin, const char* caller, const char* selector, SPMessageData* message) {
  if (!plugin || !plugin->entry) return kBadParameterErr;
  message->self = plugin;
  message->globals = plugin->globals;
  message->basic = &gBasicSuite;
  plugin->access.plugin = plugin;
  message->access = &plugin->access;
  gHost.calls.push_back(std::string(caller) + "/" + selector);
  BeginHostCall();
  HostErr err = plugin->entry(caller, selector, message);
  EndHostCall();
  plugin->globals = message->globals;
  return err;
}

HostErr BroadcastNotification(const char* type, void* data) {
  gHost.notifications.push_back(type);
  std::vector<HostNotifier*> targets;
  for (auto& n : gHost.notifiers)
    if (n->type == type && n->plugin->started) targets.push_back(n.get());
  HostErr result = kNoErr;
  for (HostNotifier* n : targets) {
    NotifierMessage message{};
    message.notifier = n;
    message.type = n->type.c_str();
    message.notifyData = data;
    HostErr err = CallPlugin(n->plugin, "AI Notifier", "AI Notify", &message.d);
    if (err != kNoErr && result == kNoErr) result = err;
  }
  return result;
}

static HostErr SendToolMessage(HostTool* tool, const char* selector, RealPoint p, uint32_t modifiers,
                               bool withEvent) {
  if (!tool) return kNoErr;
  ToolMessage message{};
  ToolEvent event{modifiers};
  message.tool = tool;
  message.cursor = p;
  message.event = withEvent ? &event : nullptr;
  return CallPlugin(tool->plugin, "AI Tool", selector, &message.d);
}

HostErr SwitchSelectedTool(HostTool* tool) {
  HostTool* old = gHost.selectedTool;
  if (old == tool) return kNoErr;
  if (old) SendToolMessage(old, "AI Deselect", RealPoint{0, 0}, 0, false);
  gHost.selectedTool = tool;
  return SendToolMessage(tool, "AI Select", RealPoint{0, 0}, 0, false);
}

void AddHostDefaults() {
  for (const char* group : {kToolPalettesMenuGroup, kAboutMenuGroup}) {
    gHost.menuGroups.push_back(std::make_unique<HostMenuGroup>());
    gHost.menuGroups.back()->name = group;
  }
  vmhost::SetFontList({"Arial", "Osaka", "ゴシック体", "Times"});
}

namespace {

PluginRef gModule = nullptr;

HostErr SendPlain(PluginRef plugin, const char* caller, const char* selector) {
  SPMessageData message{};
  return CallPlugin(plugin, caller, selector, &message);
}

}  // namespace

namespace vmhost {

void ResetHost() {
  ResetHostState();
  AddHostDefaults();
  gModule = nullptr;
}

PluginRef AddPlugin(const char* name, PluginEntry entry) {
  gHost.plugins.push_back(std::make_unique<HostPlugin>());
  HostPlugin* p = gHost.plugins.back().get();
  p->name = name;
  p->entry = entry;
  p->access.plugin = p;
  return p;
}

PluginRef LoadModule() {
  if (!gModule) gModule = AddPlugin("Vestamark", PluginMain);
  return gModule;
}

PluginRef ModulePlugin() { return gModule; }

HostErr Startup(PluginRef plugin) {
  HostErr err = SendPlain(plugin, "SP Interface", "Startup");
  plugin->started = err == kNoErr;
  return err;
}

HostErr Shutdown(PluginRef plugin) {
  HostErr err = SendPlain(plugin, "SP Interface", "Shutdown");
  plugin->started = false;
  return err;
}

HostErr Unload(PluginRef plugin) { return SendPlain(plugin, "SP Access", "Unload"); }
HostErr Reload(PluginRef plugin) { return SendPlain(plugin, "SP Access", "Reload"); }
HostErr About(PluginRef plugin) { return SendPlain(plugin, "SP Interface", "About"); }

void FailSuiteAcquisition(const char* name, int32_t times, HostErr err) {
  gHost.failing[name] = {err, times < 0 ? -1 : std::max(times, 1)};
}

void ClearSuiteFailures() { gHost.failing.clear(); }

int32_t HeldSuiteCount(const char* name) {
  auto it = gHost.acquired.find(name);
  return it == gHost.acquired.end() ? 0 : it->second;
}

int32_t UnbalancedReleases() { return gHost.unbalancedReleases; }

int32_t OutstandingBlocks() { return static_cast<int32_t>(gHost.blocks.size()); }

HostErr NotifyAppStarted() { return BroadcastNotification(kAppStartedNotifier, nullptr); }
HostErr NotifyDocumentChanged() { return BroadcastNotification(kDocumentChangedNotifier, nullptr); }

HostErr FireTimer(TimerHandle timer) {
  if (!timer || !timer->plugin->started) return kBadParameterErr;
  TimerMessage message{};
  message.timer = timer;
  return CallPlugin(timer->plugin, "AI Timer", "AI Go", &message.d);
}

HostErr AdvanceTicks(int32_t ticks) {
  HostErr result = kNoErr;
  for (int32_t t = 0; t < ticks; t++) {
    gHost.clock++;
    for (size_t i = 0; i < gHost.timers.size(); i++) {
      HostTimer* timer = gHost.timers[i].get();
      if (gHost.clock < timer->due) continue;
      timer->due = gHost.clock + timer->period;
      if (!timer->plugin->started) continue;
      HostErr err = FireTimer(timer);
      if (err != kNoErr && result == kNoErr) result = err;
    }
  }
  return result;
}

TimerHandle FindTimer(const char* name) {
  for (auto& t : gHost.timers)
    if (t->name == name) return t.get();
  return nullptr;
}

MenuItemHandle FindMenuItem(const char* name) {
  for (auto& m : gHost.menuItems)
    if (m->name == name) return m.get();
  return nullptr;
}

static HostErr SendMenu(MenuItemHandle item, const char* selector) {
  if (!item) return kBadParameterErr;
  MenuMessage message{};
  message.menuItem = item;
  return CallPlugin(item->plugin, "AI Menu", selector, &message.d);
}

HostErr MenuGo(MenuItemHandle item) { return SendMenu(item, "AI Go"); }
HostErr MenuUpdate(MenuItemHandle item) { return SendMenu(item, "AI Update"); }

ToolHandle FindToolByTitle(const char* title) {
  for (auto& t : gHost.tools)
    if (t->title == title) return t.get();
  return nullptr;
}

HostErr SelectTool(ToolHandle tool) { return SwitchSelectedTool(tool); }

HostErr EditToolOptions() {
  return SendToolMessage(gHost.selectedTool, "AI Edit Options", RealPoint{0, 0}, 0, false);
}

HostErr TrackCursor(RealPoint p, uint32_t modifiers, bool withEvent) {
  return SendToolMessage(gHost.selectedTool, "AI Track Cursor", p, modifiers, withEvent);
}
HostErr MouseDown(RealPoint p, uint32_t modifiers, bool withEvent) {
  return SendToolMessage(gHost.selectedTool, "AI Mouse Down", p, modifiers, withEvent);
}
HostErr MouseDrag(RealPoint p, uint32_t modifiers, bool withEvent) {
  return SendToolMessage(gHost.selectedTool, "AI Mouse Drag", p, modifiers, withEvent);
}
HostErr MouseUp(RealPoint p, uint32_t modifiers, bool withEvent) {
  return SendToolMessage(gHost.selectedTool, "AI Mouse Up", p, modifiers, withEvent);
}

HostErr Drag(const std::vector<RealPoint>& points, uint32_t modifiers) {
  if (points.empty()) return kBadParameterErr;
  HostErr err = MouseDown(points.front(), modifiers);
  for (size_t i = 1; i < points.size() && err == kNoErr; i++)
    err = MouseDrag(points[i], modifiers & ~kModDoubleClick);
  HostErr up = MouseUp(points.back(), modifiers & ~kModDoubleClick);
  return err != kNoErr ? err : up;
}

PanelHandle FindPanel(const char* id) {
  for (auto& p : gHost.panels)
    if (p->alive && p->id == id) return p.get();
  return nullptr;
}

bool ChooseFlyoutItem(PanelHandle panel, uint32_t itemId) {
  if (!panel || !panel->alive || !panel->flyout || !panel->flyoutCallback) return false;
  for (const FlyoutItem& item : panel->flyout->items) {
    if (item.id != itemId) continue;
    if (item.separator || !item.enabled) return false;
    panel->flyoutCallback(panel, itemId);
    return true;
  }
  return false;
}

std::vector<FlyoutItem> FlyoutItems(PanelHandle panel) {
  if (!panel || !panel->flyout) return {};
  return panel->flyout->items;
}

HostErr PlayAction(const char* name) { return kActionManagerSuite.PlayActionEvent(name, 1, nullptr); }

int32_t DroppedPlays() { return gHost.droppedPlays; }

// ---- documents -----------------------------------------------------------------------

static void DocumentChanged() { BroadcastNotification(kDocumentChangedNotifier, nullptr); }

DocumentHandle NewDocument(const char* name) {
  HostDocument* doc = NewHostDocument(name ? name : "Untitled-1");
  NewHostLayer(doc, u"Layer 1", 0);
  DocumentChanged();
  return doc;
}

DocumentHandle OpenDocument(const std::string& path, std::string* error, std::vector<std::string>* warnings,
                            const SvgReadOptions& options) {
  HostDocument* doc = ReadSvgDocument(path, error, warnings, options);
  if (doc) DocumentChanged();
  return doc;
}

bool SaveDocument(DocumentHandle doc, const std::string& path, std::string* error) {
  return WriteSvgDocument(doc, path, error);
}

std::string SaveDocumentBeside(DocumentHandle doc, const std::string& path, std::string* error) {
  return WriteSvgBeside(doc, path, error);
}

std::string DocumentText(DocumentHandle doc) { return SvgDocumentText(doc); }

void SwitchDocument(DocumentHandle doc) {
  if (gHost.current == doc) return;
  gHost.current = doc;
  RaiseDocumentWindow(doc);
  DocumentChanged();
}

void CloseDocument(DocumentHandle doc) {
  CloseHostDocument(doc);
  DocumentChanged();
}

DocumentHandle CurrentDocument() { return gHost.current; }
DocViewHandle CurrentView() { return gHost.current ? &gHost.current->view : nullptr; }

static bool Step(std::deque<UndoEntry>& from, std::deque<UndoEntry>& to) {
  HostDocument* doc = gHost.current;
  if (!doc || from.empty() || gHost.callDepth > 0) return false;
  UndoEntry entry = std::move(from.back());
  from.pop_back();
  DocSnapshot now = TakeSnapshot(doc);
  RestoreSnapshot(doc, entry.other);
  entry.other = std::move(now);
  to.push_back(std::move(entry));
  return true;
}

bool Undo() { return gHost.current && Step(gHost.current->undoStack, gHost.current->redoStack); }
bool Redo() { return gHost.current && Step(gHost.current->redoStack, gHost.current->undoStack); }

std::string UndoText() {
  if (!gHost.current || gHost.current->undoStack.empty()) return "";
  return ToUtf8(gHost.current->undoStack.back().undoText);
}

std::string RedoText() {
  if (!gHost.current || gHost.current->redoStack.empty()) return "";
  return ToUtf8(gHost.current->redoStack.back().redoText);
}

int32_t UndoDepth() { return gHost.current ? static_cast<int32_t>(gHost.current->undoStack.size()) : 0; }

// ---- building documents -------------------------------------------------------------

LayerHandle AddLayer(const char* title, bool onTop) {
  HostDocument* doc = gHost.current;
  if (!doc) return nullptr;
  NoteChange(doc);
  return NewHostLayer(doc, FromUtf8(title), onTop ? 0 : doc->d.layers.size());
}

LayerHandle FindLayer(const char* title) {
  if (!gHost.current) return nullptr;
  std::u16string t = FromUtf8(title);
  for (HostLayer* l : gHost.current->d.layers)
    if (l->d.title == t) return l;
  return nullptr;
}

std::string LayerTitle(LayerHandle layer) { return layer ? ToUtf8(layer->d.title) : ""; }

static ArtHandle Place(ArtHandle art, ArtHandle parent) {
  if (LinkArt(art, kPlaceInsideOnTop, parent) != kNoErr) {
    art->d.alive = false;
    return nullptr;
  }
  return art;
}

ArtHandle AddGroup(ArtHandle parent, int16_t type) {
  if (!gHost.current) return nullptr;
  NoteChange(gHost.current);
  return Place(NewHostArt(gHost.current, type), parent);
}

ArtHandle AddPath(ArtHandle parent, const std::vector<PathSegment>& segments, bool closed) {
  if (!gHost.current) return nullptr;
  NoteChange(gHost.current);
  HostArt* art = NewHostArt(gHost.current, kPathArt);
  art->d.segments = segments;
  art->d.segmentSelected.assign(segments.size(), 0);
  art->d.closed = closed;
  return Place(art, parent);
}

PathSegment Corner(double h, double v) { return PathSegment{{h, v}, {h, v}, {h, v}, 1}; }

ArtHandle AddPolyline(ArtHandle parent, const std::vector<RealPoint>& points, bool closed) {
  std::vector<PathSegment> segments;
  for (RealPoint p : points) segments.push_back(Corner(p.h, p.v));
  return AddPath(parent, segments, closed);
}

ArtHandle AddText(ArtHandle parent, RealPoint anchor, const char* text) {
  if (!gHost.current) return nullptr;
  NoteChange(gHost.current);
  HostArt* art = NewHostArt(gHost.current, kTextFrameArt);
  art->d.text.anchor = anchor;
  art->d.text.text = FromUtf8(text);
  if (!gHost.fonts.empty()) art->d.text.chars.font = gHost.fonts.front().get();
  return Place(art, parent);
}

ArtHandle FindArtById(const char* id) {
  if (!gHost.current || !id || !*id) return nullptr;
  for (auto& art : gHost.current->artPool)
    if (art->d.alive && art->d.id == id) return art.get();
  return nullptr;
}

std::string ArtId(ArtHandle art) { return art ? art->d.id : ""; }

std::vector<ArtHandle> Children(ArtHandle art) {
  return IsLiveArt(art) ? art->d.children : std::vector<ArtHandle>();
}

std::vector<PathSegment> Segments(ArtHandle art) {
  return IsLiveArt(art) ? art->d.segments.items() : std::vector<PathSegment>();
}

std::string Tag(ArtHandle art, const char* name) {
  if (!IsLiveArt(art)) return "";
  const TagRef* tag = art->d.tags.Find(name);
  return tag ? std::string((*tag)->value()) : "";
}

std::vector<std::pair<std::string, std::string>> Tags(ArtHandle art) {
  std::vector<std::pair<std::string, std::string>> tags;
  if (IsLiveArt(art))
    for (const TagRef& tag : art->d.tags) tags.emplace_back(tag->name(), tag->value());
  return tags;
}

std::string Text(ArtHandle art) { return IsLiveArt(art) ? ToUtf8(art->d.text.text) : ""; }

void SetSelected(ArtHandle art, bool selected) {
  if (IsLiveArt(art))
    kArtSuite.SetArtUserAttr(art, kArtSelected, selected ? static_cast<uint32_t>(kArtSelected) : 0u);
}

bool IsSelected(ArtHandle art) { return IsLiveArt(art) && (art->d.attrs & kArtSelected); }

void SetZoom(double zoom) {
  if (gHost.current) kDocumentViewSuite.SetDocumentViewZoom(&gHost.current->view, zoom);
}

// ---- the user and the theme ------------------------------------------------------------

void QueueAlertAnswer(int32_t answer) { gHost.alertAnswers.push_back(answer); }
void QueuePutFileAnswer(const std::string& path) { gHost.putFileAnswers.push_back(path); }
void SetDarkTheme(bool dark) { gHost.darkTheme = dark; }

void SetFontList(const std::vector<std::string>& names) {
  // Old fonts stay valid for text that refers to them; only the list changes.
  for (auto& f : gHost.fonts) gHost.unlistedFonts.push_back(std::move(f));
  gHost.fonts.clear();
  for (const std::string& name : names) gHost.fonts.push_back(std::make_unique<HostFont>(HostFont{name}));
}

// ---- recordings --------------------------------------------------------------------------

const std::vector<AlertRecord>& Alerts() { return gHost.alerts; }
const std::vector<std::string>& Notifications() { return gHost.notifications; }
const std::vector<UndoRecord>& UndoRecords() { return gHost.undoRecords; }
const std::vector<std::string>& Calls() { return gHost.calls; }
int32_t Redraws() { return gHost.redraws; }

void CountTagReads(const char* name, ArtHandle art) {
  gHost.countedTag = name != nullptr ? name : "";
  gHost.countedTagArt = art;
  gHost.countedTagReads = 0;
}

int64_t TagReads() { return gHost.countedTagReads; }

void ClearRecordings() {
  gHost.alerts.clear();
  gHost.notifications.clear();
  gHost.undoRecords.clear();
  gHost.calls.clear();
  gHost.redraws = 0;
}

}  // namespace vmhost
