#include "simple_grading/simple_grading_tools.h"

#include <algorithm>
#include <cstring>

#include "common/module_instance.h"
#include "common/plugin_globals.h"
#include "engine/selection_gathering.h"
#include "resources/simple_grading_resource_ids.h"
#include "simple_grading/simple_grading_blocks.h"
#include "simple_grading/simple_grading_dialogs.h"
#include "simple_grading/simple_grading_feedback.h"
#include "simple_grading/simple_grading_measure.h"
#include "simple_grading/simple_grading_object.h"
#include "simple_grading/size_chart.h"
#include "simple_grading/size_chart_redraw.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/preferences_file.h"
#include "text/localize.h"
#include "tools/tool_utilities.h"
#include "tools/tracking_state.h"

namespace {

// The chart's top left is where the drag starts; it is drawn from its lower
// left.
constexpr double kDefaultChartHeight = 510.247;
constexpr double kShortestMeasurement = 0.1;

INT_PTR RunDialog(int32_t japaneseId) {
  return RunSimpleGradingDialog(LastModuleInstance(), ResourceIdUnlessJapanese(japaneseId));
}

// After the size table changed: stored, shown and graded again.
void SizeTableChanged() {
  WritePreferencesIni();
  RedrawSizeChart();
  ReapplySimpleGradingBlocks();
}

void FinishMeasurement(double length, uint32_t modifiers) {
  SimpleGradingSettings& s = gPlugin->simpleGrading;
  if (length <= kShortestMeasurement) {
    Beep();
    return;
  }
  s.measureLength += length;
  if ((modifiers & kModCommand) != 0) return;
  if (RunDialog(kMeasurementDialogResource) == IDOK) {
    if (StoreMeasurementInSizeTable()) {
      SizeTableChanged();
    } else {
      Beep();
    }
  }
  s.measureLength = 0;
}

void EditSizeTable() {
  PluginGlobals& g = *gPlugin;
  const int16_t basicSize = g.simpleGrading.grading_basic_size;
  SizeTableRow table[kSizeTableRows];
  std::copy(g.sizeTable, g.sizeTable + kSizeTableRows, table);
  char name[sizeof g.sizeTableName];
  std::memcpy(name, g.sizeTableName, sizeof name);
  if (RunDialog(kSizeTableDialogResource) == IDOK) {
    SizeTableChanged();
    g.selectionSignature = SelectionSignature{};
  } else {
    // The name goes back with the table: a later Save must not write this
    // table under the name of a file only looked at.
    g.simpleGrading.grading_basic_size = basicSize;
    std::copy(table, table + kSizeTableRows, g.sizeTable);
    std::memcpy(g.sizeTableName, name, sizeof name);
  }
  g.simpleGrading.measureLength = 0;
}

void EditBlock(int16_t kind) {
  static constexpr int32_t kDialogs[] = {kFrontBodyDialogResource, kBackBodyDialogResource,
                                         kSleeveDialogResource};
  RealPoint point{0, 0};
  ReadBlockRecordIntoSettings(kind, &point);
  if (RunDialog(kDialogs[kind - kSimpleFrontBody]) != IDOK) return;
  WritePreferencesIni();
  ApplySimpleGradingToObject(kind, point);
  gPlugin->selectionSignature = SelectionSignature{};
}

}  // namespace

void SimpleGradingTrackCursor(ToolMessage* /*message*/, int16_t kind) {
  PluginGlobals& g = *gPlugin;
  int16_t state = 0;
  SnapAndHitTestCursor(g.tracking.dragging == 1 ? 1 : 0, &state, kind);
  DrawSimpleGradingFeedback(kind);
  SetCursorFromResource(g.pluginRef, SimpleGradingCursorId(state));
}

HostErr SimpleGradingToolEditOptions(ToolMessage* message, int16_t kind) {
  if (message != nullptr) gPlugin->pluginRef = message->d.self;
  if (IsBlockKind(kind)) {
    EditBlock(kind);
  } else if (kind == kSimpleSizeChart || kind == kSimpleMeasurement) {
    EditSizeTable();
  }
  return kNoErr;
}

HostErr SimpleGradingToolTrackCursor(ToolMessage* message, int16_t kind) {
  SimpleGradingTrackCursor(message, kind);
  return kNoErr;
}

HostErr SimpleGradingToolMouseDown() {
  PluginGlobals& g = *gPlugin;
  if (g.tracking.dragging == 1) return kNoErr;
  if (g.snapKind == 0) {
    ClearTrackingState();
    Beep();
  } else if (g.trackingPrev.dragging == 0) {
    g.tracking.dragging = 1;
  }
  return kNoErr;
}

HostErr SimpleGradingToolMouseDrag(ToolMessage* message, int16_t kind) {
  SimpleGradingTrackCursor(message, kind);
  return kNoErr;
}

HostErr SimpleGradingToolMouseUp(ToolMessage* message, int16_t kind) {
  PluginGlobals& g = *gPlugin;
  TrackingState& t = g.tracking;
  if (t.dragging == 1) {
    // The drag state holds a block only once a drag has drawn one; before
    // that it is the last drag's, perhaps another kind's.
    const bool dragged = g.trackingPrev.dragging == 1;
    const double length = MeasuredLengthMillimetres(t.first.point, t.cursor);
    const uint32_t modifiers = message != nullptr && message->event != nullptr
                                   ? message->event->modifiers
                                   : static_cast<uint16_t>(t.modifiers);
    const RealPoint start = t.first.point;
    ResetDragStart();
    DrawSimpleGradingFeedback(kind);
    const SimpleGradingDragState& s = g.simpleDrag;
    if (kind == kSimpleSizeChart) {
      DrawSizeChartArtwork(start.h, start.v - kDefaultChartHeight);
    } else if (kind == kSimpleMeasurement) {
      FinishMeasurement(length, modifiers);
    } else if (IsBlockKind(kind) && dragged) {
      BuildSimpleGradingObject(s.block, s.divider1, kind == kSimpleSleeve ? &s.divider2 : nullptr,
                               s.objectPoint, kind, nullptr);
    }
  }
  ClearTrackingState();
  return kNoErr;
}

void ShowSimpleGradingPreview(int16_t kind) {
  PluginGlobals& g = *gPlugin;
  RealRect blocks[3] = {};
  for (int16_t i = 0; i < 3; ++i) {
    if (ArtHandle block = FindSimpleGradingObject(kSimpleFrontBody + 1 + i)) blocks[i] = GetBounds(block);
  }
  GatherSelectedPaths(kind, blocks);
  if (ArtHandle chart = FindSimpleGradingObject(kSizeChartObject)) LoadGradingGroup(&chart, 1);
  if (IsBlockKind(kind)) {
    LoadGradingGroup(g.pieceArts, g.pieceArtCount);
    RealPoint point{0, 0};
    ReadBlockRecordIntoSettings(kind, &point);
  }
  g.simpleGrading.measureLength = 0;
}

void ClearSimpleGradingPreview() { FreePieceLists(); }
