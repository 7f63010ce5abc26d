// Art, group, path, path style, matching art, transform and tag suites.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "host_model.h"
#include "host_suite_tables.h"

namespace {

HostDocument* TargetDocument(ArtHandle prep) { return prep ? prep->doc : gHost.current; }

// ---- art ----------------------------------------------------------------------

HostErr NewArt(int16_t type, int16_t paintOrder, ArtHandle prep, ArtHandle* art) {
  if (!art) return kBadParameterErr;
  *art = nullptr;
  if (type < kGroupArt || type > kOtherArt) return kBadParameterErr;
  if (prep && !IsLiveArt(prep)) return kBadParameterErr;
  HostDocument* doc = TargetDocument(prep);
  if (!doc) return kNoDocumentErr;
  const bool noted = gHost.txSnapshotTaken;
  NoteChange(doc);
  return PlaceMadeArt(NewHostArt(doc, type), paintOrder, prep, noted, art);
}

HostErr DisposeArt(ArtHandle art) {
  if (!IsLiveArt(art)) return kBadParameterErr;
  if (art->layer) return kBadParameterErr;  // a layer's group goes with its layer
  NoteChange(art->doc);
  KillArt(art);
  return kNoErr;
}

HostErr DuplicateArt(ArtHandle art, int16_t paintOrder, ArtHandle prep, ArtHandle* copy) {
  if (copy) *copy = nullptr;
  if (!IsLiveArt(art) || (prep && !IsLiveArt(prep))) return kBadParameterErr;
  HostDocument* doc = TargetDocument(prep);
  if (!doc) return kNoDocumentErr;
  const bool noted = gHost.txSnapshotTaken;
  NoteChange(doc);
  return PlaceMadeArt(DuplicateArtTree(art, doc), paintOrder, prep, noted, copy);
}

HostErr ReorderArt(ArtHandle art, int16_t paintOrder, ArtHandle prep) {
  if (!IsLiveArt(art) || art->layer || (prep && !IsLiveArt(prep))) return kBadParameterErr;
  if (prep && prep->doc != art->doc) return kBadParameterErr;
  const bool noted = gHost.txSnapshotTaken;
  NoteChange(art->doc);
  const HostErr err = LinkArt(art, paintOrder, prep);
  if (err != kNoErr) ForgetRefusedChange(noted);
  return err;
}

HostErr GetArtType(ArtHandle art, int16_t* type) {
  if (!IsLiveArt(art) || !type) return kBadParameterErr;
  *type = art->d.type;
  return kNoErr;
}

HostErr GetArtParent(ArtHandle art, ArtHandle* parent) {
  if (!IsLiveArt(art) || !parent) return kBadParameterErr;
  *parent = art->d.parent;
  return kNoErr;
}

HostErr GetArtFirstChild(ArtHandle art, ArtHandle* child) {
  if (!IsLiveArt(art) || !child) return kBadParameterErr;
  *child = art->d.children.empty() ? nullptr : art->d.children.front();
  return kNoErr;
}

// A walk over children asks for each one's sibling: the art's place among its
// parent's children is remembered, and all of them are numbered again only
// when a change has moved it.
HostErr SiblingOf(ArtHandle art, int step, ArtHandle* sibling) {
  if (!IsLiveArt(art) || !sibling) return kBadParameterErr;
  *sibling = nullptr;
  if (!art->d.parent) return kNoErr;
  const auto& kids = art->d.parent->d.children;
  auto inPlace = [&] { return art->childIndex < kids.size() && kids[art->childIndex] == art; };
  if (!inPlace()) {
    for (size_t k = 0; k < kids.size(); ++k) kids[k]->childIndex = k;
    if (!inPlace()) return kNoErr;  // not among its parent's children
  }
  const ptrdiff_t i = static_cast<ptrdiff_t>(art->childIndex) + step;
  if (i >= 0 && i < static_cast<ptrdiff_t>(kids.size())) *sibling = kids[static_cast<size_t>(i)];
  return kNoErr;
}

HostErr GetArtSibling(ArtHandle art, ArtHandle* sibling) { return SiblingOf(art, 1, sibling); }
HostErr GetArtPriorSibling(ArtHandle art, ArtHandle* sibling) { return SiblingOf(art, -1, sibling); }

// A group or compound path reads as selected when anything in it is, and as fully selected when
// everything in it is; other art as its own state says.
uint32_t SelectionRead(HostArt* art) {
  const bool own = (art->d.attrs & kArtSelected) != 0;
  if (art->d.children.empty()) return own ? kArtSelected | kArtFullySelected : 0;
  bool any = false, all = true;
  ForEachArt(art, [&](HostArt* a) {
    if (a == art) return;
    const bool selected = (a->d.attrs & kArtSelected) != 0;
    any = any || selected;
    all = all && selected;
  });
  return any ? (all ? kArtSelected | kArtFullySelected : kArtSelected) : 0;
}

HostErr GetArtUserAttr(ArtHandle art, uint32_t mask, uint32_t* attr) {
  if (!IsLiveArt(art) || !attr) return kBadParameterErr;
  const uint32_t selection = kArtSelected | kArtFullySelected;
  *attr = ((art->d.attrs & ~selection) | ((mask & selection) != 0 ? SelectionRead(art) : 0)) & mask;
  return kNoErr;
}

void SetSelected(HostArt* art, bool selected) {
  ForEachArt(art, [selected](HostArt* a) {
    ForgetKeptCopy(a);
    if (selected)
      a->d.attrs |= kArtSelected;
    else
      a->d.attrs &= ~static_cast<uint32_t>(kArtSelected);
    std::fill(a->d.segmentSelected.begin(), a->d.segmentSelected.end(), selected ? 1 : 0);
  });
}

// Selecting or deselecting art takes in everything it holds; setting the state the art already
// reads changes nothing, so a partly selected group or path is left as the user made it.
HostErr SetArtUserAttr(ArtHandle art, uint32_t mask, uint32_t attr) {
  if (!IsLiveArt(art)) return kBadParameterErr;
  mask &= ~static_cast<uint32_t>(kArtFullySelected);
  bool selectionChanges = false;
  if (mask & kArtSelected) {
    const bool select = (attr & kArtSelected) != 0;
    selectionChanges = select != ((SelectionRead(art) & kArtSelected) != 0);
    // A group whose contents were deselected one by one no longer counts as selected itself.
    if (select || selectionChanges) mask &= ~static_cast<uint32_t>(kArtSelected);
  }
  const uint32_t next = (art->d.attrs & ~mask) | (attr & mask);
  if (next == art->d.attrs && !selectionChanges) return kNoErr;
  NoteArtChange(art);
  art->d.attrs = next;
  if (selectionChanges) SetSelected(art, (attr & kArtSelected) != 0);
  return kNoErr;
}

HostErr BoundsOf(ArtHandle art, bool control, RealRect* bounds) {
  if (!IsLiveArt(art) || !bounds) return kBadParameterErr;
  *bounds = ArtBounds(art, control, nullptr);
  return kNoErr;
}

HostErr GetArtBounds(ArtHandle art, RealRect* bounds) { return BoundsOf(art, false, bounds); }
HostErr GetArtControlBounds(ArtHandle art, RealRect* bounds) { return BoundsOf(art, true, bounds); }

HostErr GetLayerOfArt(ArtHandle art, LayerHandle* layer) {
  if (!IsLiveArt(art) || !layer) return kBadParameterErr;
  *layer = LayerOfArt(art);
  return *layer ? kNoErr : kNotFoundErr;
}

HostErr ValidArt(ArtHandle art, int32_t* valid) {
  if (!valid) return kBadParameterErr;
  *valid = IsLiveArt(art) ? 1 : 0;
  return kNoErr;
}

// Hidden and locked art, and what lies inside it, is passed over.
void SelectUsable(HostArt* group, bool selected) {
  for (HostArt* kid : group->d.children) {
    if (kid->d.attrs & (kArtHidden | kArtLocked)) continue;
    bool has = (kid->d.attrs & kArtSelected) != 0;
    if (has != selected) {
      NoteArtChange(kid);
      if (selected)
        kid->d.attrs |= kArtSelected;
      else
        kid->d.attrs &= ~static_cast<uint32_t>(kArtSelected);
      std::fill(kid->d.segmentSelected.begin(), kid->d.segmentSelected.end(), selected ? 1 : 0);
    }
    SelectUsable(kid, selected);
  }
}

HostErr SelectAllArtOnLayer(LayerHandle layer) {
  if (!IsLiveLayer(layer)) return kBadParameterErr;
  SelectUsable(layer->group, true);
  return kNoErr;
}

HostErr DeselectAllArtOnLayer(LayerHandle layer) {
  if (!IsLiveLayer(layer)) return kBadParameterErr;
  SelectUsable(layer->group, false);
  return kNoErr;
}

HostErr DeselectAll() {
  if (!gHost.current) return kNoDocumentErr;
  for (HostLayer* layer : gHost.current->d.layers) {
    ForEachArt(layer->group, [](HostArt* a) {
      if (!(a->d.attrs & kArtSelected)) return;
      NoteArtChange(a);
      a->d.attrs &= ~static_cast<uint32_t>(kArtSelected);
      std::fill(a->d.segmentSelected.begin(), a->d.segmentSelected.end(), 0);
    });
  }
  return kNoErr;
}

// ---- group ----------------------------------------------------------------------

HostErr GetGroupClipped(ArtHandle group, int32_t* clipped) {
  if (!IsLiveArt(group) || !clipped) return kBadParameterErr;
  if (group->d.type != kGroupArt) return kWrongTypeErr;
  *clipped = group->d.clipped ? 1 : 0;
  return kNoErr;
}

HostErr SetGroupClipped(ArtHandle group, int32_t clipped) {
  if (!IsLiveArt(group)) return kBadParameterErr;
  if (group->d.type != kGroupArt) return kWrongTypeErr;
  NoteArtChange(group);
  group->d.clipped = clipped != 0;
  return kNoErr;
}

// ---- path -----------------------------------------------------------------------

HostErr CheckPath(ArtHandle path) {
  if (!IsLiveArt(path)) return kBadParameterErr;
  return path->d.type == kPathArt ? kNoErr : kWrongTypeErr;
}

HostErr CheckRange(ArtHandle path, int16_t index, int16_t count) {
  if (index < 0 || count < 0) return kOutOfRangeErr;
  if (static_cast<size_t>(index) + static_cast<size_t>(count) > path->d.segments.size())
    return kOutOfRangeErr;
  return kNoErr;
}

HostErr GetPathSegmentCount(ArtHandle path, int16_t* count) {
  HostErr err = CheckPath(path);
  if (err || !count) return err ? err : kBadParameterErr;
  *count = static_cast<int16_t>(path->d.segments.size());
  return kNoErr;
}

HostErr SetPathSegmentCount(ArtHandle path, int16_t count) {
  HostErr err = CheckPath(path);
  if (err) return err;
  if (count < 0) return kBadParameterErr;
  NoteArtChange(path);
  PathSegment zero{};
  path->d.segments.Edit().resize(static_cast<size_t>(count), zero);
  path->d.segmentSelected.resize(static_cast<size_t>(count), 0);
  return kNoErr;
}

HostErr GetPathSegments(ArtHandle path, int16_t index, int16_t count, PathSegment* segments) {
  HostErr err = CheckPath(path);
  if (err) return err;
  if ((err = CheckRange(path, index, count))) return err;
  if (!segments && count) return kBadParameterErr;
  std::copy_n(path->d.segments.begin() + index, count, segments);
  return kNoErr;
}

HostErr SetPathSegments(ArtHandle path, int16_t index, int16_t count, const PathSegment* segments) {
  HostErr err = CheckPath(path);
  if (err) return err;
  if ((err = CheckRange(path, index, count))) return err;
  if (!segments && count) return kBadParameterErr;
  NoteArtChange(path);
  std::copy_n(segments, count, path->d.segments.Edit().begin() + index);
  return kNoErr;
}

HostErr GetPathClosed(ArtHandle path, int32_t* closed) {
  HostErr err = CheckPath(path);
  if (err || !closed) return err ? err : kBadParameterErr;
  *closed = path->d.closed ? 1 : 0;
  return kNoErr;
}

HostErr SetPathClosed(ArtHandle path, int32_t closed) {
  HostErr err = CheckPath(path);
  if (err) return err;
  if (path->d.closed != (closed != 0)) {
    NoteArtChange(path);
    path->d.closed = closed != 0;
  }
  return kNoErr;
}

HostErr GetPathSegmentSelected(ArtHandle path, int16_t index, int16_t* selected) {
  HostErr err = CheckPath(path);
  if (err) return err;
  if ((err = CheckRange(path, index, 1))) return err;
  if (!selected) return kBadParameterErr;
  *selected = path->d.segmentSelected[static_cast<size_t>(index)];
  return kNoErr;
}

HostErr SetPathSegmentSelected(ArtHandle path, int16_t index, int16_t selected) {
  HostErr err = CheckPath(path);
  if (err) return err;
  if ((err = CheckRange(path, index, 1))) return err;
  NoteArtChange(path);
  path->d.segmentSelected[static_cast<size_t>(index)] = selected ? 1 : 0;
  if (selected) path->d.attrs |= kArtSelected;
  return kNoErr;
}

// ---- path style ------------------------------------------------------------------

HostErr GetPathStyle(ArtHandle art, PathStyle* style) {
  if (!IsLiveArt(art) || !style) return kBadParameterErr;
  if (art->d.type != kPathArt && art->d.type != kCompoundPathArt) return kWrongTypeErr;
  *style = art->d.style;
  return kNoErr;
}

HostErr SetPathStyle(ArtHandle art, const PathStyle* style) {
  if (!IsLiveArt(art) || !style) return kBadParameterErr;
  if (art->d.type != kPathArt && art->d.type != kCompoundPathArt) return kWrongTypeErr;
  NoteArtChange(art);
  art->d.style = *style;
  art->d.style.dashCount = std::clamp<int16_t>(style->dashCount, 0, 6);
  return kNoErr;
}

// ---- matching art ----------------------------------------------------------------

HostErr GetSelectedArt(ArtHandle** arts, int32_t* count) {
  if (!arts || !count) return kBadParameterErr;
  *arts = nullptr;
  *count = 0;
  if (!gHost.current) return kNoDocumentErr;
  std::vector<ArtHandle> found;
  for (HostLayer* layer : gHost.current->d.layers)
    for (HostArt* kid : layer->group->d.children)
      ForEachArt(kid, [&found](HostArt* a) {
        if (a->d.attrs & kArtSelected) found.push_back(a);
      });
  if (found.empty()) return kNoErr;
  *arts = static_cast<ArtHandle*>(std::malloc(found.size() * sizeof(ArtHandle)));
  if (!*arts) return kOutOfMemoryErr;
  std::copy(found.begin(), found.end(), *arts);
  *count = static_cast<int32_t>(found.size());
  return kNoErr;
}

HostErr FreeMatchingArt(ArtHandle* arts) {
  std::free(arts);
  return kNoErr;
}

// ---- transform --------------------------------------------------------------------

HostErr TransformArt(ArtHandle art, const RealMatrix* matrix, double lineScale, int32_t) {
  if (!IsLiveArt(art) || !matrix) return kBadParameterErr;
  NoteChange(art->doc);
  TransformArtTree(art, *matrix, lineScale);
  return kNoErr;
}

// ---- tags ---------------------------------------------------------------------------

constexpr const char* kStringTagType = "string";

HostErr SetTag(ArtHandle art, const char* name, const char* value) {
  if (!IsLiveArt(art) || !name || !*name || !value) return kBadParameterErr;
  NoteArtChange(art);
  art->d.tags.Set(TagRef::Make(name, value));
  return kNoErr;
}

HostErr GetTag(ArtHandle art, const char* name, const char** value) {
  if (value) *value = nullptr;
  if (!IsLiveArt(art) || !name || !value) return kBadParameterErr;
  if (!gHost.countedTag.empty() && gHost.countedTag == name &&
      (gHost.countedTagArt == nullptr || gHost.countedTagArt == art))
    ++gHost.countedTagReads;
  const TagRef* tag = art->d.tags.Find(name);
  if (!tag) return kNotFoundErr;
  *value = (*tag)->valueText();
  return kNoErr;
}

HostErr HasTag(ArtHandle art, const char* name, int32_t* has) {
  if (!IsLiveArt(art) || !name || !has) return kBadParameterErr;
  *has = art->d.tags.Find(name) ? 1 : 0;
  return kNoErr;
}

HostErr RemoveTag(ArtHandle art, const char* name) {
  if (!IsLiveArt(art) || !name) return kBadParameterErr;
  if (!art->d.tags.Find(name)) return kNotFoundErr;
  NoteArtChange(art);
  art->d.tags.Remove(name);
  return kNoErr;
}

HostErr CountTags(ArtHandle art, int32_t* count) {
  if (!IsLiveArt(art) || !count) return kBadParameterErr;
  *count = static_cast<int32_t>(art->d.tags.size());
  return kNoErr;
}

HostErr GetNthTag(ArtHandle art, int32_t n, const char** name, const char** type) {
  if (!IsLiveArt(art)) return kBadParameterErr;
  if (n < 0 || n >= static_cast<int32_t>(art->d.tags.size())) return kOutOfRangeErr;
  if (name) *name = art->d.tags[static_cast<size_t>(n)]->nameText();
  if (type) *type = kStringTagType;
  return kNoErr;
}

}  // namespace

const AIArtSuite kArtSuite = {NewArt,
                              DisposeArt,
                              DuplicateArt,
                              ReorderArt,
                              GetArtType,
                              GetArtParent,
                              GetArtFirstChild,
                              GetArtSibling,
                              GetArtPriorSibling,
                              GetArtUserAttr,
                              SetArtUserAttr,
                              GetArtBounds,
                              GetArtControlBounds,
                              GetLayerOfArt,
                              ValidArt,
                              SelectAllArtOnLayer,
                              DeselectAllArtOnLayer,
                              DeselectAll};
const AIGroupSuite kGroupSuite = {GetGroupClipped, SetGroupClipped};
const AIPathSuite kPathSuite = {GetPathSegmentCount,    SetPathSegmentCount,   GetPathSegments,
                                SetPathSegments,        GetPathClosed,         SetPathClosed,
                                GetPathSegmentSelected, SetPathSegmentSelected};
const AIPathStyleSuite kPathStyleSuite = {GetPathStyle, SetPathStyle};
const AIMatchingArtSuite kMatchingArtSuite = {GetSelectedArt, FreeMatchingArt};
const AITransformArtSuite kTransformArtSuite = {TransformArt};
const AITagSuite kTagSuite = {SetTag, GetTag, HasTag, RemoveTag, CountTags, GetNthTag};
