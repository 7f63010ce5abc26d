#include "tools/handle_creation.h"

#include <cstring>

#include "common/plugin_globals.h"
#include "engine/handle_ends.h"
#include "panels/inf_panel_list.h"
#include "panels/variable_commands.h"
#include "store/grading_group_tags.h"
#include "tools/handle_groups.h"
#include "tools/handle_kind.h"
#include "tools/tool_utilities.h"

void CreateHandleFromDrag(ToolHandle tool, int16_t toolIndex) {
  PluginGlobals& g = *gPlugin;
  RevisionHandle handle;
  std::memset(&handle, 0, sizeof handle);
  if (toolIndex != kToolMeasurement) {
    const char* amount = toolIndex == kToolAngle ? "0" : "100.0";
    for (auto& text : handle.line.amountExpr) std::strcpy(text, amount);
  }
  handle.line.p1 = g.tracking.first.point;
  handle.line.p2 = g.tracking.second.point;
  handle.listSelected = 1;
  HitTestHandleEndpoints(&handle);

  handle.kind = KindFromEnds(HandleKindOfTool(toolIndex), handle);
  if (handle.kind == kHandlePlain) {
    Beep();
    return;
  }
  // A full table keeps the selection and registers no variables.
  const int32_t slot = FirstFreeHandleSlot();
  if (slot < 0) return;

  for (RevisionHandle& h : g.handles) h.listSelected = 0;
  g.grading_selected = 0;
  TwoPointHandleData& line = handle.line;
  if (handle.kind == kHandleDistance || handle.kind == kHandleMeasurement || handle.kind == kHandleAngle) {
    PutEndOnPathSecond(line);
  }
  if (handle.kind == kHandleLength || handle.kind == kHandleMeasurement || handle.kind == kHandleArc) {
    PutEndsInRunOrder(line);
  }
  if (handle.kind == kHandleMeasurement) NameMeasurementVariables(&handle);

  std::memcpy(&g.handles[slot], &handle, sizeof handle);
  InsertHandleRow(slot);
  StoreHandleChange(tool);
  SyncInfSelection();
  if (handle.kind == kHandleMeasurement) FillVarList();
}
