#include "simple_grading/simple_grading_blocks.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "common/suite_pointers.h"
#include "engine/selection_gathering.h"
#include "simple_grading/simple_grading_object.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "tools/tool_utilities.h"

namespace {

constexpr double kBlockStrokeWidth = 0.1;
constexpr double kBlockMiterLimit = 4;
constexpr double kEdgeTolerance = 0.01;

using Setting = double SimpleGradingSettings::*;
using Proportion = double BlockProportions::*;
using S = SimpleGradingSettings;
using P = BlockProportions;

// Where each block kind keeps its proportions among the settings, in the order
// of the four reals of its record (a body block writes 0 in the last).
struct KindFields {
  int16_t SimpleGradingSettings::*rotation;
  Setting settings[4];
  Proportion proportions[4];
};
constexpr KindFields kKindFields[3] = {
    {&S::grading_front_rotation,
     {&S::grading_front_body_width, &S::grading_front_body_height, &S::grading_front_bust_position, nullptr},
     {&P::width, &P::height, &P::bustPosition, nullptr}},
    {&S::grading_back_rotation,
     {&S::grading_back_body_width, &S::grading_back_body_height, &S::grading_back_bust_position, nullptr},
     {&P::width, &P::height, &P::bustPosition, nullptr}},
    {&S::grading_sleeve_rotation,
     {&S::grading_sleeve_cap_height, &S::grading_sleeve_depth, &S::grading_sleeve_front_body_width,
      &S::grading_sleeve_back_body_width},
     {&P::capHeight, &P::length, &P::frontWidth, &P::backWidth}},
};

// The four reals of the kind's record.
void RecordReals(int16_t kind, const BlockProportions& p, double reals[4]) {
  const KindFields& f = kKindFields[kind - kSimpleFrontBody];
  for (int i = 0; i < 4; ++i) reals[i] = f.proportions[i] != nullptr ? p.*f.proportions[i] : 0;
}

void TakeRecordReals(int16_t kind, const double reals[4], BlockProportions* p) {
  const KindFields& f = kKindFields[kind - kSimpleFrontBody];
  for (int i = 0; i < 4; ++i) {
    if (f.proportions[i] != nullptr) p->*f.proportions[i] = reals[i];
  }
}

// Unrotated width and height of the kind's block, in points.
void BlockSize(int16_t kind, double* width, double* height) {
  const SizeTableRow& b = BasicSizeRow();
  const BlockProportions p = GetBlockProportions(kind);
  if (kind == kSimpleSleeve) {
    *width = (p.frontWidth + p.backWidth) / 100 * MillimetresToPoints(b.dressLength);
    *height = p.length / 100 * MillimetresToPoints(b.sleeveDepth);
  } else {
    *width = p.width / 100 * MillimetresToPoints(b.bustGirth);
    *height = p.height / 100 * MillimetresToPoints(b.dressLength);
  }
}

RealPoint Moved(const RealPoint& p, double dx, double dy) { return RealPoint{p.h + dx, p.v + dy}; }

PathSegment Corner(double h, double v) { return PathSegment{{h, v}, {h, v}, {h, v}, 1}; }

ArtHandle NewBlockPath(ArtHandle group, const PathSegment* segments, int16_t count, int closed) {
  ArtHandle path = nullptr;
  if (sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &path) != kNoErr || path == nullptr) return nullptr;
  sAIPath->SetPathSegmentCount(path, count);
  sAIPath->SetPathSegments(path, 0, count, segments);
  sAIPath->SetPathClosed(path, closed);
  PathStyle style{};
  style.fillPaint = 0;
  style.strokePaint = 1;
  style.strokeColor = HostColor{ColorKind::Gray, 1, 0, 0, 0, 0};
  style.strokeWidth = kBlockStrokeWidth;
  style.miterLimit = kBlockMiterLimit;
  if (sAIPathStyle != nullptr) sAIPathStyle->SetPathStyle(path, &style);
  return path;
}

void NewDividerPath(ArtHandle group, const RealRect& rect, const RealPoint& divider) {
  PathSegment ends[2];
  if (IsHorizontalDivider(rect, divider)) {
    ends[0] = Corner(rect.left, divider.v);
    ends[1] = Corner(rect.right, divider.v);
  } else {
    ends[0] = Corner(divider.h, rect.top);
    ends[1] = Corner(divider.h, rect.bottom);
  }
  NewBlockPath(group, ends, 2, 0);
}

int IsInside(ArtHandle art, ArtHandle ancestor) {
  for (int depth = 0; art != nullptr && depth < 1000; ++depth) {
    if (art == ancestor) return 1;
    if (sAIArt->GetArtParent(art, &art) != kNoErr) return 0;
  }
  return 0;
}

// The old block goes even from a locked or hidden layer; its paths leave the
// piece first.
void DisposeOldBlock(int16_t kind) {
  ArtHandle old = FindSimpleGradingObject(kind + 1);
  if (old == nullptr) return;
  PluginGlobals& g = *gPlugin;
  int32_t kept = 0;
  for (int32_t i = 0; i < g.pieceArtCount; ++i) {
    if (!IsInside(g.pieceArts[i], old)) g.pieceArts[kept++] = g.pieceArts[i];
  }
  g.pieceArtCount = kept;
  LayerHandle layer = nullptr;
  int32_t visible = 1, editable = 1;
  if (sAIArt->GetLayerOfArt(old, &layer) == kNoErr && layer != nullptr) {
    sAILayer->GetLayerVisible(layer, &visible);
    sAILayer->GetLayerEditable(layer, &editable);
    sAILayer->SetLayerVisible(layer, 1);
    sAILayer->SetLayerEditable(layer, 1);
  }
  sAIArt->DisposeArt(old);
  if (layer != nullptr) {
    sAILayer->SetLayerEditable(layer, editable);
    sAILayer->SetLayerVisible(layer, visible);
  }
}

void DeselectEverything() {
  const int32_t layers = CountDocumentLayers();
  for (int32_t n = 0; n < layers; ++n) {
    if (LayerHandle layer = GetLayerAt(n)) sAIArt->DeselectAllArtOnLayer(layer);
  }
}

// Every path of a group, selected or not.
void CollectPaths(ArtHandle group, ArtHandle** list, int32_t* count) {
  const RealRect all[3] = {};
  GatherSelectedPathsInArt(group, list, count, 0, all);
}

void RegradeGradedPiece(int16_t kind, const RealPoint& point) {
  ArtHandle piece = FindSimpleGradingObject(kind + kGradedPieceTypeOffset);
  if (piece == nullptr) return;
  ArtHandle* members = nullptr;
  int32_t count = 0;
  CollectPaths(piece, &members, &count);
  LoadGradingGroup(members, count);
  SetScalesFromPitches();
  gPlugin->grading_title[0] = '\0';
  SaveGradingGroup(members, count, 0);
  std::free(members);
  WriteSimpleGradingObjectRecord(piece, kind + kGradedPieceTypeOffset - 1, point, 0, nullptr);
}

// The kind's block drawn anew at the size the table and its proportions give,
// its object point kept; nothing without a block.
void RedrawBlock(int16_t kind, const RealPoint& point, ArtHandle piece) {
  ArtHandle block = FindSimpleGradingObject(kind + 1);
  if (block == nullptr) return;
  const RealRect bounds = GetBounds(block);
  const RealPoint at{(bounds.left + bounds.right) / 2 + point.h, (bounds.top + bounds.bottom) / 2 + point.v};
  double w = 0, h = 0;
  BlockSize(kind, &w, &h);
  if (GetBlockProportions(kind).rotation % 2 != 0) std::swap(w, h);
  // Placed at the origin first, then moved so that its object point lands on
  // `at`.
  SimpleGradingDragState s{};
  s.block = RealRect{0, h, w, 0};
  PlaceBlockDividers(kind, &s);
  const double dx = at.h - s.objectPoint.h, dy = at.v - s.objectPoint.v;
  s.block = RealRect{s.block.left + dx, s.block.top + dy, s.block.right + dx, s.block.bottom + dy};
  s.divider1 = Moved(s.divider1, dx, dy);
  s.divider2 = Moved(s.divider2, dx, dy);
  BuildSimpleGradingObject(s.block, s.divider1, kind == kSimpleSleeve ? &s.divider2 : nullptr, at, kind,
                           piece);
}

}  // namespace

BlockProportions GetBlockProportions(int16_t kind) {
  BlockProportions p{};
  if (!IsBlockKind(kind)) return p;
  const KindFields& f = kKindFields[kind - kSimpleFrontBody];
  const SimpleGradingSettings& s = gPlugin->simpleGrading;
  p.rotation = s.*f.rotation;
  for (int i = 0; i < 4; ++i) {
    if (f.settings[i] != nullptr) p.*f.proportions[i] = s.*f.settings[i];
  }
  return p;
}

void SetBlockProportions(int16_t kind, const BlockProportions& p) {
  if (!IsBlockKind(kind)) return;
  const KindFields& f = kKindFields[kind - kSimpleFrontBody];
  SimpleGradingSettings& s = gPlugin->simpleGrading;
  s.*f.rotation = p.rotation;
  for (int i = 0; i < 4; ++i) {
    if (f.settings[i] != nullptr) s.*f.settings[i] = p.*f.proportions[i];
  }
}

int ReadBlockRecordIntoSettings(int16_t kind, RealPoint* point) {
  if (!IsBlockKind(kind)) return 0;
  BlockProportions p = GetBlockProportions(kind);
  double reals[4];
  RecordReals(kind, p, reals);
  if (!ReadSimpleGradingObjectRecord(kind, point, &p.rotation, reals)) return 0;
  TakeRecordReals(kind, reals, &p);
  SetBlockProportions(kind, p);
  return 1;
}

bool IsBlockKind(int16_t kind) { return kind >= kSimpleFrontBody && kind <= kSimpleSleeve; }

const SizeTableRow& BasicSizeRow() {
  const int16_t row = gPlugin->simpleGrading.grading_basic_size;
  return gPlugin->sizeTable[row >= 0 && row < kSizeTableRows ? row : 0];
}

double MillimetresToPoints(double mm) { return mm / 25.4 * 72; }

int IsHorizontalDivider(const RealRect& rect, const RealPoint& divider) {
  return std::fabs(divider.h - rect.left) <= kEdgeTolerance ||
         std::fabs(divider.h - rect.right) <= kEdgeTolerance;
}

void PlaceBlockDividers(int16_t kind, SimpleGradingDragState* state) {
  const RealRect& r = state->block;
  const double w = r.right - r.left, h = r.top - r.bottom;
  const BlockProportions p = GetBlockProportions(kind);
  const int16_t rotation = static_cast<int16_t>(p.rotation & 3);
  if (kind == kSimpleSleeve) {
    const double c = 1 - p.capHeight / 100;
    const double parts = p.frontWidth + p.backWidth;
    const double s = parts > 0 ? p.frontWidth / parts : 0.5;
    RealPoint cap, split;
    switch (rotation) {
      case 0:
        cap = {r.left, r.bottom + h * c}, split = {r.left + w * s, r.top};
        break;
      case 1:
        cap = {r.left + w * c, r.top}, split = {r.right, r.top - h * s};
        break;
      case 2:
        cap = {r.left, r.top - h * c}, split = {r.right - w * s, r.bottom};
        break;
      default:
        cap = {r.right - w * c, r.top}, split = {r.left, r.bottom + h * s};
        break;
    }
    state->divider1 = cap;
    state->divider2 = split;
    state->objectPoint = rotation % 2 == 0 ? RealPoint{split.h, cap.v} : RealPoint{cap.h, split.v};
    return;
  }
  const double f = p.bustPosition / 100;
  RealPoint bust;
  if (kind == kSimpleFrontBody) {
    // Three quarters on, the point sits on the bottom edge: that is where
    // turning the block about it puts it, as the back's turns do.
    const RealPoint front[4] = {{r.left, r.bottom + h * f},
                                {r.left + w * f, r.top},
                                {r.right, r.top - h * f},
                                {r.right - w * f, r.bottom}};
    bust = front[rotation];
  } else {
    const RealPoint back[4] = {{r.right, r.bottom + h * f},
                               {r.left + w * f, r.bottom},
                               {r.left, r.top - h * f},
                               {r.right - w * f, r.top}};
    bust = back[rotation];
  }
  state->divider1 = state->divider2 = state->objectPoint = bust;
}

void BuildSimpleGradingObject(const RealRect& rect, const RealPoint& divider1, const RealPoint* divider2,
                              const RealPoint& point, int16_t kind, ArtHandle piece) {
  PluginGlobals& g = *gPlugin;
  if (sAILayer == nullptr || sAIArt == nullptr || sAIPath == nullptr) return;
  LayerHandle layer = nullptr;
  int32_t editable = 0;
  if (sAILayer->GetCurrentLayer(&layer) != kNoErr || layer == nullptr ||
      sAILayer->GetLayerEditable(layer, &editable) != kNoErr || !editable) {
    Beep();
    return;
  }
  if (piece != nullptr) {
    GatherPiecePaths(piece);
  } else {
    GatherSelectedPaths(kGatherSelected, &rect);
  }
  if (g.pieceArtCount == 0) {
    Beep();
    return;
  }
  DisposeOldBlock(kind);
  ArtHandle layerGroup = GetFirstArtOfLayer(layer);
  ArtHandle block = nullptr;
  // Only the old block's own paths were selected: nothing is left to grade.
  if (g.pieceArtCount == 0 || layerGroup == nullptr ||
      sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, layerGroup, &block) != kNoErr || block == nullptr) {
    Beep();
    return;
  }
  const PathSegment corners[4] = {Corner(rect.left, rect.top), Corner(rect.right, rect.top),
                                  Corner(rect.right, rect.bottom), Corner(rect.left, rect.bottom)};
  NewBlockPath(block, corners, 4, 1);
  NewDividerPath(block, rect, divider1);
  if (divider2 != nullptr) NewDividerPath(block, rect, *divider2);

  const RealPoint centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  const BlockProportions p = GetBlockProportions(kind);
  double reals[4];
  RecordReals(kind, p, reals);
  WriteSimpleGradingObjectRecord(block, kind, Moved(point, -centre.h, -centre.v), p.rotation, reals);

  LoadGradingGroup(g.pieceArts, g.pieceArtCount);
  g.grading_origin = point;
  g.grading_angle = 0;
  g.grading_hvlock = 0;
  g.grading_compscale = 1.0;
  SetScalesFromPitches();
  g.grading_title[0] = '\0';
  SaveGradingGroup(g.pieceArts, g.pieceArtCount, 1);

  const int32_t gradedType = kind + kGradedPieceTypeOffset;
  // A tag the host fails to remove would be found again.
  for (ArtHandle stale = nullptr, last = nullptr;
       (stale = FindSimpleGradingObject(gradedType)) != nullptr && stale != last; last = stale) {
    RemoveTag(stale, kSimpleGradingObjectTypeKey);
  }
  ArtHandle base = FindGroupBaseArt(g.pieceArts, g.pieceArtCount);
  if (base == nullptr) return;
  WriteSimpleGradingObjectRecord(base, gradedType - 1, RealPoint{0, 0}, 0, nullptr);
  DeselectEverything();
  SelectArtTree(base);
}

void ApplySimpleGradingToObject(int16_t kind, const RealPoint& point) {
  if (!IsBlockKind(kind)) return;
  RedrawBlock(kind, point, nullptr);
  RegradeGradedPiece(kind, point);
}

void ReapplySimpleGradingBlocks() {
  for (int16_t kind = kSimpleFrontBody; kind <= kSimpleSleeve; ++kind) {
    RealPoint point{0, 0};
    ReadBlockRecordIntoSettings(kind, &point);
    // The table changed for every block: each is drawn again around its own
    // graded piece, whatever the user has selected; a block without one stays.
    if (ArtHandle piece = FindSimpleGradingObject(kind + kGradedPieceTypeOffset)) {
      RedrawBlock(kind, point, piece);
    }
    RegradeGradedPiece(kind, point);
  }
}

void SetScalesFromPitches() {
  PluginGlobals& g = *gPlugin;
  for (int row = 0; row < kSizeTableRows; ++row) {
    const double pitch = g.sizeTable[row].pitch;
    // A scale of 0 would grade every piece of the preset to a point.
    if (!(pitch > 0) || !std::isfinite(pitch)) continue;
    g.presetScale[row] = g.groupPresetScale[row] = ScalePair{pitch / 100, pitch / 100};
  }
}
