#include "tools/handle_dialogs.h"

#include <cstdlib>
#include <cstring>

#include "common/dialog_result.h"
#include "common/module_instance.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/handle_measures.h"
#include "engine/piece_members.h"
#include "engine/preview_builder.h"
#include "expr/script_alerts.h"
#include "geometry/point_math.h"
#include "resources/handle_dialog_resource_ids.h"
#include "store/module_layers.h"
#include "store/tag_mirror.h"
#include "text/localize.h"
#include "tools/handle_dialogs_internal.h"
#include "tools/handle_groups.h"
#include "tools/point_dialog.h"
#include "tools/revision_dialog.h"

RevisionHandle EditedHandle;
RevisionHandle EditedPointHandle;
int16_t isArcRange = 0;
PathSegment pointSourceSegment;
PathSegment pointGradedSegment;
MeasuredBase gMeasuredBase;
int16_t gOpenedProportional = 0;

namespace {

int16_t SegmentCount(ArtHandle art) {
  int16_t count = 0;
  if (art == nullptr || sAIPath->GetPathSegmentCount(art, &count) != kNoErr || count < 0) return 0;
  return count;
}

// The handles a dialog can edit: slot in the table, a known preset, the layout the dialog reads.
bool CanEdit(int32_t slot, bool pointLayout) {
  const PluginGlobals* g = gPlugin;
  if (g == nullptr || sAIPath == nullptr || sAIRealMath == nullptr) return false;
  if (slot < 0 || slot >= kMaxHandles || g->currentScaleIndex < 0 || g->currentScaleIndex >= kMaxPresets)
    return false;
  const int16_t kind = g->handles[slot].kind;
  return kind != kHandleFree && (kind == kHandlePoint) == pointLayout;
}

// The current preset's scale about the grading origin along the grading angle.
RealPoint MapByPreset(const RealPoint& p) {
  const PluginGlobals& g = *gPlugin;
  const RealMatrix m = BaseTransform(g, g.presetScale[g.currentScaleIndex]);
  RealPoint out;
  sAIRealMath->TransformPoint(&m, &p, &out);
  return out;
}

GradedSegment* GradedBefore(ArtHandle art, int32_t first) {
  return PieceMemberIndex(art) >= 0 ? ComputeGradedSegments(art, first - 1) : nullptr;
}

RealPoint BaseEnd(const GradedSegment* graded, int16_t count, int32_t index, const RealPoint& stored) {
  if (graded != nullptr && index >= 0 && index < count) return graded[index].p;
  return MapByPreset(stored);
}

// Distance, length and radius of the handle at `first` on the piece graded by the slots before it.
void MeasureBase(int32_t first) {
  const TwoPointHandleData& line = EditedHandle.line;
  gMeasuredBase = {0, 0, 0};
  GradedSegment* graded1 = GradedBefore(line.art1, first);
  GradedSegment* graded2 = line.art2 == line.art1 ? graded1 : GradedBefore(line.art2, first);
  const int16_t count1 = SegmentCount(line.art1);
  const int16_t count2 = SegmentCount(line.art2);
  gMeasuredBase.distance = DistanceBetween(BaseEnd(graded1, count1, line.index1, line.p1),
                                           BaseEnd(graded2, count2, line.index2, line.p2));
  const bool onePath = line.art1 == line.art2 && graded1 != nullptr && line.index1 >= 0 && line.index2 >= 0 &&
                       line.index1 < count1 && line.index2 < count1;
  if (onePath) {
    int32_t closed = 0;
    sAIPath->GetPathClosed(line.art1, &closed);
    ArtSegments path{closed, count1, graded1};
    MeasureRun(&path, line.index1, line.index2, &gMeasuredBase.length, &gMeasuredBase.radius);
  }
  if (graded2 != graded1) std::free(graded2);
  std::free(graded1);
}

int32_t AmountDialogResource(int16_t kind) {
  switch (kind) {
    case kHandleDistance:
      return kDistanceDialogResource;
    case kHandleArc:
      return kArcDialogResource;
    case kHandleAngle:
      return kAngleDialogResource;
    default:
      return kLengthDialogResource;
  }
}

// Members after the first take only what their own layout holds.
bool SameLayout(const RevisionHandle& a, const RevisionHandle& b) {
  return (a.kind == kHandlePoint) == (b.kind == kHandlePoint);
}

// The live preview lists its copies in previewArts; once they are gone the
// list of the ordinary preview, which the undo brings back, is put back too.
ArtHandle* gSavedPreviewArts = nullptr;
int32_t gSavedPreviewArtCount = 0;

void SavePreviewArts() {
  const PluginGlobals& g = *gPlugin;
  std::free(gSavedPreviewArts);
  gSavedPreviewArts = nullptr;
  gSavedPreviewArtCount = 0;
  if (g.previewArts == nullptr || g.previewArtCount <= 0) return;
  gSavedPreviewArts = static_cast<ArtHandle*>(std::malloc(g.previewArtCount * sizeof(ArtHandle)));
  if (gSavedPreviewArts == nullptr) return;
  std::memcpy(gSavedPreviewArts, g.previewArts, g.previewArtCount * sizeof(ArtHandle));
  gSavedPreviewArtCount = g.previewArtCount;
}

void ClosingSteps() {
  PluginGlobals& g = *gPlugin;
  if (g.editPreviewLayer == nullptr) return;
  sAILayer->DeleteLayer(g.editPreviewLayer);
  if (sAIUndo != nullptr) sAIUndo->UndoChanges();
  ForgetAllKeptTags();
  g.editPreviewLayer = nullptr;
  std::free(g.previewArts);
  g.previewArts = gSavedPreviewArts;
  g.previewArtCount = gSavedPreviewArtCount;
  gSavedPreviewArts = nullptr;
  gSavedPreviewArtCount = 0;
}

}  // namespace

int16_t CommonProportional(int32_t slot) {
  const RevisionHandle* h = gPlugin->handles;
  const int16_t value = h[slot].proportional;
  if (FirstSlotOfGroup(slot) != slot || h[slot].groupId == 0) return value;
  for (int32_t s = slot + 1; s < kMaxHandles && h[s].groupId == h[slot].groupId; ++s)
    if (h[s].proportional != value) return -1;
  return value;
}

// The proportional flag is set per member (Alt+Shift does so on purpose): the
// edited value goes to the opened slot, and to the rest of the group only when
// the group opened mixed.
void WriteBackAmountEdit(int32_t slot) {
  RevisionHandle* h = gPlugin->handles;
  const RevisionHandle& e = EditedHandle;
  const int32_t first = FirstSlotOfGroup(slot);
  const bool proportionalForAll = gOpenedProportional == -1 && e.proportional != -1;
  const int16_t own = h[first].proportional;
  h[first] = e;
  h[first].proportional = own;
  if (e.proportional != -1) h[slot].proportional = e.proportional;
  for (int32_t s = first + 1; e.groupId != 0 && s < kMaxHandles && h[s].groupId == e.groupId; ++s) {
    if (!SameLayout(h[s], e)) continue;
    h[s].direction = e.direction;
    h[s].bothEnds = e.bothEnds;
    std::memcpy(h[s].line.amountExpr, e.line.amountExpr, sizeof e.line.amountExpr);
    if (proportionalForAll) h[s].proportional = e.proportional;
  }
}

void WriteBackPointEdit(int32_t slot) {
  RevisionHandle* h = gPlugin->handles;
  const RevisionHandle& e = EditedPointHandle;
  const int32_t first = FirstSlotOfGroup(slot);
  h[first] = e;
  for (int32_t s = first + 1; e.groupId != 0 && s < kMaxHandles && h[s].groupId == e.groupId; ++s) {
    if (!SameLayout(h[s], e)) continue;
    std::memcpy(h[s].point.xExpr, e.point.xExpr, sizeof e.point.xExpr);
    std::memcpy(h[s].point.yExpr, e.point.yExpr, sizeof e.point.yExpr);
  }
}

int32_t RunHandleDialog(PluginRef pluginRef, int32_t resourceId, DLGPROC procedure) {
  AccessRef access = nullptr;
  HINSTANCE instance = nullptr;
  if (sAIPlugin != nullptr && sAIPlugin->GetPluginAccess(pluginRef, &access) == kNoErr)
    instance = ModuleInstance(access);
  HWND owner = nullptr;
  if (sAIContext != nullptr) sAIContext->GetPlatformAppWindow(&owner);
  INT_PTR result = 0;
  {
    ScriptDialogScope commands(/*previewTaken=*/true);
    result = DialogBoxParam(instance, MAKEINTRESOURCE(DialogIdForLanguage(resourceId)), owner, procedure, 0);
  }
  // A dialog ended some other way leaves no preview layer behind.
  ClosingSteps();
  // A cancelled dialog leaves no undo step.
  if (result != kDialogOk && sAIUndo != nullptr) sAIUndo->SetSilent(1);
  return result == kDialogOk ? kDialogOk : kDialogCancel;
}

void CloseHandleDialog(HWND dialog, INT_PTR result) {
  ClosingSteps();
  EndDialog(dialog, result);
}

void PreviewEditedHandle() {
  PluginGlobals& g = *gPlugin;
  if (g.editPreviewLayer == nullptr) {
    LayerHandle layer = MakeModuleLayer(ModuleLayer::Sample);
    if (layer == nullptr) return;
    g.editPreviewLayer = layer;
    SavePreviewArts();
  }
  auto* aside = static_cast<RevisionHandle*>(std::malloc(sizeof g.handles));
  if (aside == nullptr) return;
  std::memcpy(aside, g.handles, sizeof g.handles);
  const int32_t slot = static_cast<int32_t>(g.envHandleSlot);
  if (slot >= 0 && slot < kMaxHandles) {
    const int16_t kind = g.handles[slot].kind;
    if (kind == kHandlePoint) {
      WriteBackPointEdit(slot);
    } else if (kind != kHandleMeasurement && kind != kHandleFree) {
      WriteBackAmountEdit(slot);
    }
  }
  BuildGradingPreview(1, 1);
  if (sAIDocument != nullptr) sAIDocument->RedrawDocument();
  std::memcpy(g.handles, aside, sizeof g.handles);
  std::free(aside);
}

int32_t ShowRevisionDialog(PluginRef pluginRef, int32_t slot) {
  if (!CanEdit(slot, false)) return kDialogCancel;
  PluginGlobals& g = *gPlugin;
  const int32_t first = FirstSlotOfGroup(slot);
  EditedHandle = g.handles[first];
  EditedHandle.proportional = CommonProportional(slot);
  gOpenedProportional = EditedHandle.proportional;
  MeasureBase(first);
  g.envDistance = gMeasuredBase.distance;
  g.envLength = gMeasuredBase.length;
  g.envRadius = gMeasuredBase.radius;
  g.envHandleSlot = static_cast<uint32_t>(slot);
  const int32_t result =
      RunHandleDialog(pluginRef, AmountDialogResource(EditedHandle.kind), RevisionAmountDlgProc);
  if (result == kDialogOk) WriteBackAmountEdit(slot);
  return result;
}

int32_t ShowPointRevisionDialog(PluginRef pluginRef, int32_t slot) {
  if (!CanEdit(slot, true)) return kDialogCancel;
  PluginGlobals& g = *gPlugin;
  const int32_t first = FirstSlotOfGroup(slot);
  EditedPointHandle = g.handles[first];
  pointSourceSegment = PathSegment{};
  pointGradedSegment = PathSegment{};
  const PointHandleData& point = EditedPointHandle.point;
  if (PieceMemberIndex(point.art) >= 0 && point.anchorIndex >= 0 && point.anchorIndex < SegmentCount(point.art)) {
    sAIPath->GetPathSegments(point.art, static_cast<int16_t>(point.anchorIndex), 1, &pointSourceSegment);
    if (GradedSegment* graded = ComputeGradedSegments(point.art, first - 1)) {
      pointGradedSegment = graded[point.anchorIndex];
      std::free(graded);
    }
  }
  g.envDistance = g.envLength = g.envRadius = 0;
  g.envHandleSlot = static_cast<uint32_t>(slot);
  const int32_t result = RunHandleDialog(pluginRef, kPointDialogResource, PointRevisionDlgProc);
  if (result == kDialogOk) WriteBackPointEdit(slot);
  return result;
}
