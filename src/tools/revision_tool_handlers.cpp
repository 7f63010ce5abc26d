#include "tools/revision_tool_handlers.h"

#include "common/dialog_result.h"
#include "common/plugin_globals.h"
#include "engine/grading_edit.h"
#include "geometry/host_math.h"
#include "panels/inf_panel_list.h"
#include "panels/variable_commands.h"
#include "resources/undo_text_pairs.h"
#include "store/grading_group_tags.h"
#include "tools/basic_settings_dialog.h"
#include "tools/handle_creation.h"
#include "tools/handle_dialogs.h"
#include "tools/handle_selection.h"
#include "tools/tool_feedback.h"
#include "tools/tool_utilities.h"
#include "tools/tracking_snap.h"
#include "tools/tracking_state.h"

namespace {


bool IsOriginMark(int16_t code) {
  return code == kHitOrigin || code == kHitArrowEnd || code == kHitArrowLine;
}

// A double-click opens the dialog of the mark under the mouse-down point.
void EditMarkUnderDoubleClick() {
  PluginGlobals& g = *gPlugin;
  RealPoint point = g.mouseDown.point;
  int16_t kind = 0;
  uint32_t slot = 0;
  int16_t code = SnapToRevisionHandles(&point, &kind, &slot, 1);
  if (code == kHitNone) code = SnapToRevisionHandles(&point, &kind, &slot, 0);
  if (slot >= static_cast<uint32_t>(kMaxHandles)) return;
  const int32_t s = static_cast<int32_t>(slot);

  if (code == kHitFirstEnd || code == kHitSecondEnd || code == kHitHandleLine) {
    // A measurement handle's fields are variable names, not amounts.
    if (g.handles[s].kind == kHandleMeasurement) {
      if (ShowMeasurementDialog(g.pluginRef, s) != kDialogOk) return;
      InvalidateInfList();
      StoreAfterEdit(kUndoEditRevisionHandle);
      FillVarList();
      return;
    }
    if (ShowRevisionDialog(g.pluginRef, s) != kDialogOk) return;
    InvalidateInfList();
    StoreAfterEdit(kUndoEditRevisionHandle);
  } else if (code == kHitPointHandle) {
    if (ShowPointRevisionDialog(g.pluginRef, s) != kDialogOk) return;
    InvalidateInfList();
    StoreAfterEdit(kUndoEditRevisionPoint);
  } else if (IsOriginMark(code)) {
    if (RunBasicSettingsDialog() != kDialogOk) return;
    StoreAfterEdit(kUndoBasicSettings);
  }
}

bool MarqueeGesture(int16_t toolIndex, uint32_t modifiers) {
  if (toolIndex == kToolPoint) return true;
  const bool alt = (modifiers & kModOption) != 0;
  return alt && (toolIndex == kToolDistance || toolIndex == kToolLength || toolIndex == kToolAngle);
}

}  // namespace

void RevisionToolTrackCursor(ToolMessage* message, int16_t toolIndex) {
  PluginGlobals& g = *gPlugin;
  int16_t kind = 0;
  SnapCursorPoint(g.tracking.dragging == 1 ? 1 : 0, &kind);
  DrawToolFeedback(message, toolIndex);
  RevisionToolIdle();
  SetCursorFromResource(g.pluginRef, CursorIdForSnapKind(kind));
}

HostErr RevisionToolTrackCursorEntry(ToolMessage* message, int16_t toolIndex) {
  RevisionToolTrackCursor(message, toolIndex);
  return kNoErr;
}

HostErr RevisionToolMouseDrag(ToolMessage* message, int16_t toolIndex) {
  RevisionToolTrackCursor(message, toolIndex);
  return kNoErr;
}

HostErr RevisionToolMouseDown() {
  PluginGlobals& g = *gPlugin;
  if (g.tracking.dragging == 1) return kNoErr;
  if (g.snapKind == 0) {
    ClearTrackingState();
    Beep();
    return kNoErr;
  }
  g.tracking.dragging = 1;
  return kNoErr;
}

HostErr RevisionToolEditOptions(ToolMessage* message) {
  PluginGlobals& g = *gPlugin;
  g.pluginRef = message->d.self;
  EditBasicSettings();
  return kNoErr;
}

HostErr RevisionToolMouseUp(ToolMessage* message, int16_t toolIndex) {
  PluginGlobals& g = *gPlugin;
  if (g.mouseDown.doubleClick) {
    EditMarkUnderDoubleClick();
    if (g.tracking.dragging == 1) ClearTrackingState();
    return kNoErr;
  }
  if (g.tracking.dragging != 1) return kNoErr;

  const int16_t hitCode = g.tracking.hitCode;
  ResetDragStart();
  DrawToolFeedback(message, toolIndex);
  const uint32_t modifiers = message->event != nullptr ? message->event->modifiers : 0;
  if (HostPointsEqual(g.tracking.first.point, g.tracking.second.point)) {
    ClickRevisionHandles(message, toolIndex);
  } else if (hitCode == kHitNone) {
    if (MarqueeGesture(toolIndex, modifiers)) {
      MarqueeRevisionHandles(message, toolIndex);
    } else {
      CreateHandleFromDrag(message->tool, toolIndex);
    }
  } else {
    DragRevisionHandleMark(message, toolIndex);
  }
  ClearTrackingState();
  return kNoErr;
}
