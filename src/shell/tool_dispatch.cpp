#include "shell/tool_dispatch.h"

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "panels/grading_preview_refresh.h"
#include "simple_grading/simple_grading_tools.h"
#include "tools/revision_tool_handlers.h"
#include "tools/tracking_state.h"

namespace {

struct SlotRoute {
  int16_t slot;
  int16_t value;  // RevisionToolIndex, or the simple-grading mode
};

// First equal slot wins.
constexpr SlotRoute kRevisionRoutes[] = {{1, 1}, {2, 2}, {6, 5}, {4, 6}, {3, 3}, {5, 4}};
constexpr SlotRoute kSimpleGradingRoutes[] = {{7, 0}, {8, 4}, {9, 1}, {10, 2}, {11, 3}};

enum class Family { kNone, kRevision, kSimpleGrading };

struct Route {
  Family family;
  int16_t value;
};

Route RouteOf(ToolHandle tool) {
  if (tool == nullptr) return {Family::kNone, 0};
  for (const SlotRoute& r : kRevisionRoutes) {
    if (gPlugin->toolHandles[r.slot] == tool) return {Family::kRevision, r.value};
  }
  for (const SlotRoute& r : kSimpleGradingRoutes) {
    if (gPlugin->toolHandles[r.slot] == tool) return {Family::kSimpleGrading, r.value};
  }
  return {Family::kNone, 0};
}

// Keeps the cursor of a tracking event; false when it has not moved.
bool TakeCursorPoint(const ToolMessage* message) {
  TrackingState& t = gPlugin->tracking;
  if (sAIRealMath->EqualPoints(&message->cursor, &t.lastCursor)) return false;
  t.lastCursor = message->cursor;
  t.cursor = message->cursor;
  if (message->event != nullptr) t.modifiers = static_cast<int16_t>(message->event->modifiers);
  return true;
}

}  // namespace

int16_t RevisionToolIndexOf(ToolHandle tool) {
  Route route = RouteOf(tool);
  return route.family == Family::kRevision ? route.value : 0;
}

HostErr DispatchToolEditOptions(ToolMessage* message) {
  gPlugin->pluginRef = message->d.self;
  Route route = RouteOf(message->tool);
  if (route.family == Family::kRevision) return RevisionToolEditOptions(message);
  if (route.family == Family::kSimpleGrading) return SimpleGradingToolEditOptions(message, route.value);
  return kNoErr;
}

HostErr DispatchToolTrackCursor(ToolMessage* message) {
  gPlugin->pluginRef = message->d.self;
  if (!TakeCursorPoint(message)) return kNoErr;
  Route route = RouteOf(message->tool);
  if (route.family == Family::kRevision) return RevisionToolTrackCursorEntry(message, route.value);
  if (route.family == Family::kSimpleGrading) return SimpleGradingToolTrackCursor(message, route.value);
  return kNoErr;
}

HostErr DispatchToolMouseDown(ToolMessage* message) {
  PluginGlobals& g = *gPlugin;
  g.pluginRef = message->d.self;
  g.dragDelta = {0, 0};
  if (message->event != nullptr) {
    g.mouseDown.doubleClick = (message->event->modifiers & kModDoubleClick) != 0;
    g.mouseDown.pressState = 0;
  }
  g.mouseDown.point = message->cursor;
  Route route = RouteOf(message->tool);
  if (route.family == Family::kRevision) return RevisionToolMouseDown();
  if (route.family == Family::kSimpleGrading) return SimpleGradingToolMouseDown();
  return kNoErr;
}

HostErr DispatchToolMouseDrag(ToolMessage* message) {
  gPlugin->pluginRef = message->d.self;
  if (!TakeCursorPoint(message)) return kNoErr;
  Route route = RouteOf(message->tool);
  if (route.family == Family::kRevision) return RevisionToolMouseDrag(message, route.value);
  if (route.family == Family::kSimpleGrading) return SimpleGradingToolMouseDrag(message, route.value);
  return kNoErr;
}

HostErr DispatchToolMouseUp(ToolMessage* message) {
  gPlugin->pluginRef = message->d.self;
  Route route = RouteOf(message->tool);
  if (route.family == Family::kRevision) return RevisionToolMouseUp(message, route.value);
  if (route.family == Family::kSimpleGrading) return SimpleGradingToolMouseUp(message, route.value);
  return kNoErr;
}

HostErr DispatchToolSelect(ToolMessage* message) {
  ClearTrackingState();
  gPlugin->varTitlesValid = 0;
  gPlugin->pluginRef = message->d.self;
  Route route = RouteOf(message->tool);
  if (route.family == Family::kRevision) RefreshGradingPreview(1);
  if (route.family == Family::kSimpleGrading) ShowSimpleGradingPreview(route.value);
  return kNoErr;
}

HostErr DispatchToolDeselect(ToolMessage* message) {
  Route route = RouteOf(message->tool);
  if (route.family == Family::kRevision) ClearGradingPreview();
  if (route.family == Family::kSimpleGrading) ClearSimpleGradingPreview();
  gPlugin->selectionSignature = SelectionSignature{};
  return kNoErr;
}
