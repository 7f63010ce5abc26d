#include "engine/preview_annotations.h"

#include <cmath>
#include <cstdio>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/annotation_labels.h"
#include "engine/piece_members.h"
#include "engine/preview_builder.h"
#include "engine/preview_marks.h"
#include "engine/preview_runs.h"
#include "geometry/angles.h"
#include "store/text_fields.h"

namespace {

ArtHandle GroupFor(const AnnotationGroups& groups, int16_t selected) {
  return selected ? groups.selected : groups.plain;
}

bool RunsAlongOutline(int16_t kind) {
  return kind == kHandleLength || kind == kHandleMeasurement || kind == kHandleArc;
}

bool HasTwoPoints(int16_t kind) {
  return kind == kHandleDistance || RunsAlongOutline(kind) || kind == kHandleAngle;
}

void DrawSecondEndMarker(ArtHandle group, const RevisionHandle& handle, int16_t selected) {
  const RealPoint& p = handle.line.p2;
  DrawPreviewMarker(group, p.h, p.v, 10 / PreviewZoom(), handle.proportional != 0, selected);
}

// Line or run, end marks and the number label: what the first handle of a
// group draws for the whole group.
void DrawTwoPointLeader(ArtHandle group, int32_t slot, const RevisionHandle& handle, int16_t selected) {
  const TwoPointHandleData& line = handle.line;
  const int16_t kind = handle.kind;
  int32_t member = -1;
  if (RunsAlongOutline(kind) && line.art1 != nullptr && line.art1 == line.art2)
    member = PieceMemberIndex(line.art1);
  PreviewRun run{nullptr, 0};
  if (member < 0) {
    DrawAnnotationLine(group, line.p1, line.p2, selected);
  } else {
    run = BuildHandleRun(gPlugin->pieceArts[member], line.index1, line.index2);
    if (run.count > 0 && run.count <= INT16_MAX)
      DrawAnnotationPath(group, run.segments, static_cast<int16_t>(run.count), 0, selected, 2.0);
  }
  DrawEndCross(group, line.p1, selected);
  if (line.art1 != nullptr && kind != kHandleMeasurement && kind != kHandleAngle &&
      (kind != kHandleDistance || line.art2 == nullptr))
    DrawPreviewMarker(group, line.p1.h, line.p1.v, 10 / PreviewZoom(), 0, selected);
  DrawEndCross(group, line.p2, selected);
  if (line.art2 != nullptr && kind != kHandleMeasurement) DrawSecondEndMarker(group, handle, selected);

  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(slot + 1));
  if (member < 0) {
    CreateRotatedTextLabel(group, line.p1, line.p2, 0, text, selected, previewDeselectNewArt);
  } else {
    LabelAtHalfRun(group, run, text, selected, previewDeselectNewArt);
  }
  FreePreviewRun(&run);
}

void DrawPointHandle(ArtHandle group, const RevisionHandle& handle, int16_t selected, bool labelled) {
  const PointHandleData& point = handle.point;
  int16_t count = 0;
  PathSegment anchor;
  if (point.art == nullptr || sAIPath->GetPathSegmentCount(point.art, &count) != kNoErr ||
      point.anchorIndex < 0 || point.anchorIndex >= count ||
      sAIPath->GetPathSegments(point.art, static_cast<int16_t>(point.anchorIndex), 1, &anchor) != kNoErr)
    return;
  const double z = PreviewZoom();
  const double x = anchor.p.h, y = anchor.p.v;
  const PathSegment square[4] = {CornerSegment(x - 3 / z, y + 3 / z), CornerSegment(x + 3 / z, y + 3 / z),
                                 CornerSegment(x + 3 / z, y - 3 / z), CornerSegment(x - 3 / z, y - 3 / z)};
  DrawAnnotationPath(group, square, 4, 1, selected, 1.0);
  if (!labelled) return;
  char text[kNameSize];
  CopyTextCutValidTrail(text, sizeof text, handle.name, kNameSize);
  if (text[0] == '\0') FormatPointHandleName(point.art, point.anchorIndex, text, sizeof text);
  CreateTextLabel(group, {x + 8 / z, y - 8 / z}, text, selected, previewDeselectNewArt);
}

}  // namespace

void DrawOriginMarks(const AnnotationGroups& groups) {
  const PluginGlobals& g = *gPlugin;
  const int16_t selected = g.grading_selected ? 1 : 0;
  ArtHandle group = GroupFor(groups, selected);
  const double z = PreviewZoom();
  const RealPoint o = g.grading_origin;
  DrawAnnotationLine(group, {o.h - 5 / z, o.v}, {o.h + 5 / z, o.v}, selected);
  DrawAnnotationLine(group, {o.h, o.v - 5 / z}, {o.h, o.v + 5 / z}, selected);
  DrawPreviewMarker(group, o.h, o.v, 10 / z, 0, selected);
  DrawPreviewMarker(group, o.h, o.v, 16 / z, 0, selected);
  if (g.grading_hvlock != 0) return;
  const double a = g.grading_angle;
  const RealPoint tip{o.h + g.grading_length * std::cos(a), o.v + g.grading_length * std::sin(a)};
  DrawAnnotationLine(group, o, tip, selected);
  const double back1 = a - kPiCut - kSixthPiShort, back2 = a - kPiCut + kSixthPiShort;
  const PathSegment head[3] = {
      CornerSegment(tip.h + 10 / z * std::cos(back1), tip.v + 10 / z * std::sin(back1)),
      CornerSegment(tip.h, tip.v),
      CornerSegment(tip.h + 10 / z * std::cos(back2), tip.v + 10 / z * std::sin(back2)),
  };
  DrawAnnotationPath(group, head, 3, 0, selected, 1.0);
}

void DrawHandleMarks(const AnnotationGroups& groups) {
  const PluginGlobals& g = *gPlugin;
  uint32_t previousGroup = 0;
  for (int32_t slot = 0; slot < kMaxHandles; ++slot) {
    const RevisionHandle& handle = g.handles[slot];
    const int16_t selected = handle.listSelected ? 1 : 0;
    ArtHandle group = GroupFor(groups, selected);
    const bool leads = handle.groupId == 0 || handle.groupId != previousGroup;
    if (HasTwoPoints(handle.kind)) {
      if (leads) {
        DrawTwoPointLeader(group, slot, handle, selected);
      } else {
        DrawEndCross(group, handle.line.p2, selected);
        if (handle.line.art2 != nullptr) DrawSecondEndMarker(group, handle, selected);
      }
      previousGroup = handle.groupId;
    } else if (handle.kind == kHandlePoint) {
      DrawPointHandle(group, handle, selected, leads);
      previousGroup = handle.groupId;
    }
  }
}
