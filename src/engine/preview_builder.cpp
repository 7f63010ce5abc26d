#include "engine/preview_builder.h"

#include <cstdlib>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/grading_engine.h"
#include "engine/preview_annotations.h"
#include "engine/preview_marks.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"

int16_t previewDeselectNewArt = 0;

namespace {

void DisposeChildren(ArtHandle parent) {
  ArtHandle child = nullptr;
  if (sAIArt->GetArtFirstChild(parent, &child) != kNoErr) return;
  while (child != nullptr) {
    ArtHandle next = nullptr;
    if (sAIArt->GetArtSibling(child, &next) != kNoErr) next = nullptr;
    sAIArt->DisposeArt(child);
    child = next;
  }
}

ArtHandle NewGroupOnTop(ArtHandle parent) {
  ArtHandle group = nullptr;
  if (parent == nullptr || sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, parent, &group) != kNoErr)
    return nullptr;
  return group;
}

// previewArts gets room for every member and the annotation group, whatever
// size it came with.
bool MakeRoomForPreviewArts(PluginGlobals& g) {
  const size_t entries = static_cast<size_t>(g.pieceArtCount) + 1;
  auto* arts = static_cast<ArtHandle*>(std::realloc(g.previewArts, entries * sizeof(ArtHandle)));
  if (arts == nullptr) return false;
  for (size_t i = 0; i < entries; ++i) arts[i] = nullptr;
  g.previewArts = arts;
  return true;
}

void RestyleCopy(ArtHandle copy, const HostColor& color) {
  int16_t type = kUnknownArt;
  if (sAIArt->GetArtType(copy, &type) != kNoErr || type != kPathArt) return;
  PathStyle style{};
  if (sAIPathStyle->GetPathStyle(copy, &style) == kNoErr) {
    style.fillPaint = 0;
    style.strokePaint = 1;
    style.strokeColor = color;
    style.strokeWidth = 1.0 / PreviewZoom();
    sAIPathStyle->SetPathStyle(copy, &style);
  }
  if (previewDeselectNewArt) sAIArt->SetArtUserAttr(copy, kArtSelected, 0);
}

// One pass grades every member. Another is needed only when the last one
// changed something a pass reads or failed an amount: each copy then takes
// the pass after the previous copy's, as if each member were graded by a pass
// of its own.
class MemberGrading {
 public:
  MemberGrading() = default;
  MemberGrading(const MemberGrading&) = delete;
  MemberGrading& operator=(const MemberGrading&) = delete;
  ~MemberGrading() { FreePieceGrading(&grading_); }

  const ArtSegments* For(ArtHandle member) {
    if (!graded_ || grading_.Unsettled()) {
      FreePieceGrading(&grading_);
      grading_ = GradeWholePiece(kMaxHandles);
      graded_ = true;
    }
    return GradedMember(grading_, member);
  }

 private:
  PieceGrading grading_{nullptr, 0, false, false};
  bool graded_ = false;
};

// The graded copy of member i, without the member's grading tags. A member
// with fewer than two segments gets none.
void CopyMember(PluginGlobals& g, int32_t i, ArtHandle copies, ArtHandle layerGroup, const HostColor& color,
                MemberGrading* grading) {
  ArtHandle member = g.pieceArts[i];
  int16_t count = 0;
  if (member == nullptr || sAIPath->GetPathSegmentCount(member, &count) != kNoErr || count < 2) return;
  const int memberSelected = GetArtSelected(member);
  // Without a copies group the copy still stays on the preview's own layer.
  ArtHandle parent = copies != nullptr ? copies : layerGroup;
  ArtHandle copy = nullptr;
  if (parent != nullptr && sAIArt->DuplicateArt(member, kPlaceInsideOnTop, parent, &copy) == kNoErr &&
      copy != nullptr) {
    g.previewArts[i] = copy;
    const ArtSegments* graded = grading->For(member);
    if (graded != nullptr && graded->segments != nullptr) {
      for (int16_t j = 0; j < count && j < graded->segmentCount; ++j)
        sAIPath->SetPathSegments(copy, j, 1, &graded->segments[j]);
    }
    RestyleCopy(copy, color);
    RemoveTagsWithPrefix(copy, kGradingTagPrefix);
  }
  SetArtSelected(member, memberSelected);
}

void Build(int16_t deselect, int16_t layerChoice, bool marks) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || sAILayer == nullptr || sAIArt == nullptr) return;
  const bool onPreview = layerChoice == 0;
  LayerHandle layer = onPreview ? g->previewLayer : g->editPreviewLayer;
  if (layer == nullptr) return;
  sAILayer->SetLayerEditable(layer, 1);
  ArtHandle layerGroup = nullptr;
  if (sAILayer->GetFirstArtOfLayer(layer, &layerGroup) == kNoErr && layerGroup != nullptr)
    DisposeChildren(layerGroup);

  if (g->pieceArtCount <= 0 || g->pieceArts == nullptr || !MakeRoomForPreviewArts(*g)) {
    g->previewArtCount = 0;
    if (onPreview) sAILayer->SetLayerEditable(layer, 0);
    return;
  }

  previewDeselectNewArt = deselect;
  ArtHandle copies = NewGroupOnTop(layerGroup);
  g->previewArtCount = g->pieceArtCount;
  const HostColor color = onPreview ? ProcessColor(0.5, 0, 0, 0) : ProcessColor(0, 0.5, 0.5, 0);
  {
    MemberGrading grading;
    for (int32_t i = 0; i < g->pieceArtCount; ++i) CopyMember(*g, i, copies, layerGroup, color, &grading);
  }
  if (!onPreview) return;

  if (marks) {
    AnnotationGroups groups{NewGroupOnTop(copies), nullptr};
    groups.selected = NewGroupOnTop(copies);
    g->previewArts[g->previewArtCount++] = groups.plain;
    DrawOriginMarks(groups);
    DrawHandleMarks(groups);
  }

  if (previewDeselectNewArt == 0) {
    sAIArt->SelectAllArtOnLayer(layer);
    sAIArt->DeselectAllArtOnLayer(layer);
  }
  sAILayer->SetLayerEditable(layer, 0);
}

}  // namespace

void BuildGradingPreview(int16_t deselect, int16_t layerChoice) { Build(deselect, layerChoice, true); }

void BuildGradedCopies(int16_t deselect) { Build(deselect, 0, false); }
