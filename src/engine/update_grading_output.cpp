// Writing the graded copies of the current piece after the update dialog:
// into a new group beside the piece or into an output layer, keeping or
// replacing the piece.
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/preview_builder.h"
#include "engine/update_grading.h"
#include "engine/update_grading_state.h"
#include "store/art_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tag_mirror.h"
#include "win_api.h"

namespace {

constexpr const char* kStringTagType = "string";

int16_t TypeOfArt(ArtHandle art) {
  int16_t type = kUnknownArt;
  if (art == nullptr || sAIArt->GetArtType(art, &type) != kNoErr) return kUnknownArt;
  return type;
}

// The name of the n-th string tag of an art, or null.
const char* StringTagName(ArtHandle art, int32_t n) {
  const char* name = nullptr;
  const char* type = nullptr;
  if (sAITag->GetNthTag(art, n, &name, &type) != kNoErr || name == nullptr || name[0] == '\0' ||
      type == nullptr || std::strcmp(type, kStringTagType) != 0)
    return nullptr;
  return name;
}

int32_t TagCount(ArtHandle art) {
  int32_t count = 0;
  if (sAITag->CountTags(art, &count) != kNoErr) return 0;
  return count;
}

LayerHandle FindOrInsertOutputLayer(const char* title) {
  if (LayerHandle layer = FindLayerTitled(title)) return layer;
  LayerHandle layer = nullptr;
  if (sAILayer->InsertLayer(nullptr, kPlaceBelowAll, &layer) != kNoErr || layer == nullptr) return nullptr;
  SetLayerTitleText(layer, title);
  return layer;
}

// A new group or compound path, styled as the one it stands for.
ArtHandle NewHolderLike(ArtHandle model, int16_t paintOrder, ArtHandle prep) {
  ArtHandle holder = nullptr;
  const int16_t type = TypeOfArt(model);
  if (prep == nullptr || sAIArt->NewArt(type, paintOrder, prep, &holder) != kNoErr) return nullptr;
  PathStyle style{};
  if (type == kCompoundPathArt && sAIPathStyle->GetPathStyle(model, &style) == kNoErr)
    sAIPathStyle->SetPathStyle(holder, &style);
  return holder;
}

// Each compound path of the piece and the compound path its copies go into.
struct CompoundCopies {
  std::vector<std::pair<ArtHandle, ArtHandle>> made;

  // Where the copy of `member` goes inside `destination`.
  ArtHandle HolderFor(ArtHandle member, ArtHandle destination, ArtHandle base) {
    ArtHandle parent = nullptr;
    if (sAIArt->GetArtParent(member, &parent) != kNoErr || parent == nullptr || parent == base ||
        TypeOfArt(parent) != kCompoundPathArt)
      return destination;
    for (const auto& [compound, copy] : made)
      if (compound == parent) return copy;
    ArtHandle copy = NewHolderLike(parent, kPlaceInsideOnBottom, destination);
    if (copy == nullptr) return destination;
    made.emplace_back(parent, copy);
    return copy;
  }
};

}  // namespace

ArtHandle GradedOutputDestination(ArtHandle base) {
  const PluginGlobals& g = *gPlugin;
  const UpdateGradingSettings& options = g.updateGrading;
  const bool baseHolds = IsEnteredArt(TypeOfArt(base));
  if (options.renewal_out_layer == 0) return baseHolds ? NewHolderLike(base, kPlaceAbove, base) : nullptr;
  const bool perPreset =
      options.renewal_out_preset != 0 && g.currentPresetSlot >= 0 && g.currentPresetSlot < kMaxPresets;
  char title[kNameSize];
  std::memcpy(title, perPreset ? g.presets[g.currentPresetSlot].name : options.renewal_out_lname, kNameSize);
  title[kNameSize - 1] = '\0';
  ArtHandle root = GetFirstArtOfLayer(FindOrInsertOutputLayer(title));
  return baseHolds ? NewHolderLike(base, kPlaceInsideOnTop, root) : root;
}

void CopyStringTags(ArtHandle destination, ArtHandle source) {
  if (destination == nullptr || source == nullptr || destination == source || sAITag == nullptr) return;
  ForgetKeptTags(destination);
  for (int32_t n = TagCount(destination) - 1; n >= 0; --n) {
    if (const char* name = StringTagName(destination, n)) {
      const std::string key = name;  // the host's text goes with the tag
      sAITag->RemoveTag(destination, key.c_str());
    }
  }
  const int32_t count = TagCount(source);
  for (int32_t n = 0; n < count; ++n) {
    const char* name = StringTagName(source, n);
    const char* value = nullptr;
    if (name != nullptr && sAITag->GetTag(source, name, &value) == kNoErr && value != nullptr)
      sAITag->SetTag(destination, name, value);
  }
}

void WriteGradedOutput(int16_t rebuild, bool shown) {
  const PluginGlobals& g = *gPlugin;
  if (g.pieceArts == nullptr || g.pieceArtCount <= 0 || sAIArt == nullptr || sAILayer == nullptr) return;
  ArtHandle base = FindGroupBaseArt(g.pieceArts, g.pieceArtCount);
  ArtHandle destination = GradedOutputDestination(base);
  if (rebuild != 0 && shown) BuildGradingPreview(0, 0);
  if (rebuild != 0 && !shown) BuildGradedCopies(0);
  WriteGradedCopies(destination, base);
}

void WriteGradedCopies(ArtHandle destination, ArtHandle base) {
  PluginGlobals& g = *gPlugin;
  const bool leave = g.updateGrading.renewal_leave != 0;
  if (!leave && IsEnteredArt(TypeOfArt(base))) CopyStringTags(destination, base);
  if (g.pieceArts == nullptr || g.previewArts == nullptr) return;
  const int32_t members = g.pieceArtCount < g.previewArtCount ? g.pieceArtCount : g.previewArtCount;
  CompoundCopies compounds;
  for (int32_t i = 0; i < members; ++i) {
    ArtHandle member = g.pieceArts[i];
    if (member == nullptr || g.previewArts[i] == nullptr) continue;
    ArtHandle copy = nullptr;
    const HostErr err =
        destination != nullptr
            ? sAIArt->DuplicateArt(g.previewArts[i], kPlaceInsideOnBottom,
                                   compounds.HolderFor(member, destination, base), &copy)
            : sAIArt->DuplicateArt(g.previewArts[i], kPlaceAbove, member, &copy);
    // A member whose copy could not be made stays, even when it was to be replaced.
    if (err != kNoErr || copy == nullptr) continue;
    if (TypeOfArt(copy) == kPathArt) {
      PathStyle style{};
      if (sAIPathStyle->GetPathStyle(member, &style) == kNoErr) sAIPathStyle->SetPathStyle(copy, &style);
      if (!leave) CopyStringTags(copy, member);
    }
    SetArtSelected(copy, leave ? 0 : 1);
    SetArtSelected(member, leave ? 1 : 0);
    if (!leave) {
      ForgetKeptTags(member);
      sAIArt->DisposeArt(member);
      g.pieceArts[i] = nullptr;
    }
  }
}
