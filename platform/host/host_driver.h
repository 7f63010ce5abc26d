// The driver of the stand-in host: what the user and the host application do
// to a loaded module. Tests and the headless host use it; the module never.
// All texts in and out are UTF-8.
#pragma once

#include <string>
#include <vector>

#include "host_model.h"

namespace vmhost {

// ---- the host and its plug-ins ----------------------------------------------------------

// Forgets every document, registration, recording and answer, and closes the
// windows of documents and panels. A program calls it before it exits.
void ResetHost();
// The module (its PluginMain) as the plug-in "Vestamark".
PluginRef LoadModule();
PluginRef ModulePlugin();
// Any other entry point, e.g. a test plug-in.
PluginRef AddPlugin(const char* name, PluginEntry entry);

HostErr Startup(PluginRef plugin);
HostErr Shutdown(PluginRef plugin);
HostErr Unload(PluginRef plugin);
HostErr Reload(PluginRef plugin);
HostErr About(PluginRef plugin);

// Makes the next acquisitions of a suite fail (times < 0: until cleared).
void FailSuiteAcquisition(const char* name, int32_t times = 1, HostErr err = kSuiteNotFoundErr);
void ClearSuiteFailures();
// Acquisitions of a suite not yet released.
int32_t HeldSuiteCount(const char* name);
// Releases of suites that were not held (allowed, as the host allows them).
int32_t UnbalancedReleases();
int32_t OutstandingBlocks();

// ---- notifications, timers, menus -------------------------------------------------------

HostErr NotifyAppStarted();
HostErr NotifyDocumentChanged();
// Runs the host clock forward; every timer that falls due is called in order.
HostErr AdvanceTicks(int32_t ticks);
HostErr FireTimer(TimerHandle timer);
TimerHandle FindTimer(const char* name);
MenuItemHandle FindMenuItem(const char* name);
HostErr MenuGo(MenuItemHandle item);
HostErr MenuUpdate(MenuItemHandle item);

// ---- tools --------------------------------------------------------------------------------

ToolHandle FindToolByTitle(const char* title);
// Deselects the old tool and selects the new one (null: a host tool).
HostErr SelectTool(ToolHandle tool);
HostErr EditToolOptions();
// Mouse events go to the selected tool; with withEvent false the event record is null.
HostErr TrackCursor(RealPoint p, uint32_t modifiers = 0, bool withEvent = true);
HostErr MouseDown(RealPoint p, uint32_t modifiers = 0, bool withEvent = true);
HostErr MouseDrag(RealPoint p, uint32_t modifiers = 0, bool withEvent = true);
HostErr MouseUp(RealPoint p, uint32_t modifiers = 0, bool withEvent = true);
// Down, one drag per point, up.
HostErr Drag(const std::vector<RealPoint>& points, uint32_t modifiers = 0);

// ---- panels and actions -------------------------------------------------------------------

PanelHandle FindPanel(const char* id);
// The user picks a flyout item: the panel's callback runs (outside any host call).
bool ChooseFlyoutItem(PanelHandle panel, uint32_t itemId);
std::vector<FlyoutItem> FlyoutItems(PanelHandle panel);
HostErr PlayAction(const char* name);
int32_t DroppedPlays();

// ---- documents ------------------------------------------------------------------------------

// New, open, switch and close send the document-changed notification, as the
// host does; the notification goes only to started plug-ins.
DocumentHandle NewDocument(const char* name = "Untitled-1");
// Elements the host cannot hold are skipped, each with a line in `warnings`.
DocumentHandle OpenDocument(const std::string& path, std::string* error,
                            std::vector<std::string>* warnings = nullptr, const SvgReadOptions& options = {});
// Writes the whole file, or leaves the old one as it was.
bool SaveDocument(DocumentHandle doc, const std::string& path, std::string* error);
// What SaveDocument would write.
std::string DocumentText(DocumentHandle doc);
void SwitchDocument(DocumentHandle doc);
void CloseDocument(DocumentHandle doc);
DocumentHandle CurrentDocument();
DocViewHandle CurrentView();

bool Undo();
bool Redo();
std::string UndoText();  // of the next undo, "" when none
std::string RedoText();
int32_t UndoDepth();

// ---- building documents (outside any host call: no undo entries) -----------------------------

LayerHandle AddLayer(const char* title, bool onTop = true);
LayerHandle FindLayer(const char* title);
std::string LayerTitle(LayerHandle layer);
ArtHandle AddGroup(ArtHandle parent = nullptr, int16_t type = kGroupArt);
ArtHandle AddPath(ArtHandle parent, const std::vector<PathSegment>& segments, bool closed);
// Straight segments through the points.
ArtHandle AddPolyline(ArtHandle parent, const std::vector<RealPoint>& points, bool closed);
ArtHandle AddText(ArtHandle parent, RealPoint anchor, const char* text);
PathSegment Corner(double h, double v);
ArtHandle FindArtById(const char* id);
std::string ArtId(ArtHandle art);
std::vector<ArtHandle> Children(ArtHandle art);
std::vector<PathSegment> Segments(ArtHandle art);
std::string Tag(ArtHandle art, const char* name);  // "" when absent
std::vector<std::pair<std::string, std::string>> Tags(ArtHandle art);
std::string Text(ArtHandle art);
void SetSelected(ArtHandle art, bool selected);
bool IsSelected(ArtHandle art);
void SetZoom(double zoom);

// ---- the user and the theme ------------------------------------------------------------------

void QueueAlertAnswer(int32_t answer);             // 1 OK / yes, 0 cancel / no
void QueuePutFileAnswer(const std::string& path);  // "" cancels
void SetDarkTheme(bool dark);
void SetFontList(const std::vector<std::string>& names);

// ---- recordings ---------------------------------------------------------------------------------

const std::vector<AlertRecord>& Alerts();
const std::vector<std::string>& Notifications();
const std::vector<UndoRecord>& UndoRecords();
const std::vector<std::string>& Calls();
int32_t Redraws();
void ClearRecordings();
// Counts, from now on, the reads of one tag name through the tag suite, of
// that art alone when one is given.
void CountTagReads(const char* name, ArtHandle art = nullptr);
int64_t TagReads();

}  // namespace vmhost
