// Layers, the art tree, tags, paths and bounds as the module sees them.
#include <string>

#include "host_suite_tables.h"
#include "support/host_fixture.h"

using namespace vmtest;

namespace {

class ArtTreeTest : public HostTest {
 protected:
  const AIArtSuite& art = kArtSuite;
  const AITagSuite& tag = kTagSuite;
  const AIPathSuite& path = kPathSuite;
  const AILayerSuite& layers = kLayerSuite;
};

std::vector<std::string> TagNames(ArtHandle a) {
  std::vector<std::string> names;
  for (auto& [k, v] : vmhost::Tags(a)) names.push_back(k);
  return names;
}

TEST_F(ArtTreeTest, NewArtGoesWherePaintOrderSays) {
  ArtHandle group, a, b, c;
  ASSERT_EQ(art.NewArt(kGroupArt, kPlaceAboveAll, nullptr, &group), kNoErr);
  ASSERT_EQ(art.NewArt(kPathArt, kPlaceInsideOnTop, group, &a), kNoErr);
  ASSERT_EQ(art.NewArt(kPathArt, kPlaceInsideOnTop, group, &b), kNoErr);
  ASSERT_EQ(art.NewArt(kPathArt, kPlaceBelow, a, &c), kNoErr);
  EXPECT_EQ(vmhost::Children(group), (std::vector<ArtHandle>{b, a, c}));

  ArtHandle next = nullptr, prior = nullptr, parent = nullptr;
  art.GetArtSibling(a, &next);
  art.GetArtPriorSibling(a, &prior);
  art.GetArtParent(a, &parent);
  EXPECT_EQ(next, c);
  EXPECT_EQ(prior, b);
  EXPECT_EQ(parent, group);

  ASSERT_EQ(art.ReorderArt(c, kPlaceInsideOnTop, group), kNoErr);
  EXPECT_EQ(vmhost::Children(group), (std::vector<ArtHandle>{c, b, a}));
  EXPECT_EQ(art.ReorderArt(group, kPlaceInsideOnTop, a), kWrongTypeErr);         // a path holds nothing
  EXPECT_EQ(art.ReorderArt(group, kPlaceInsideOnTop, group), kBadParameterErr);  // not inside itself
  int16_t type = 0;
  art.GetArtType(group, &type);
  EXPECT_EQ(type, kGroupArt);
  EXPECT_EQ(art.NewArt(14, kPlaceAboveAll, nullptr, &a), kBadParameterErr);
  ArtHandle compound = nullptr;
  ASSERT_EQ(art.NewArt(kCompoundPathArt, kPlaceAboveAll, nullptr, &compound), kNoErr);
  EXPECT_EQ(art.NewArt(kGroupArt, kPlaceInsideOnTop, compound, &a), kWrongTypeErr);  // paths only
}

TEST_F(ArtTreeTest, DuplicateIsDeepAndDisposeTakesChildren) {
  ArtHandle group = vmhost::AddGroup();
  ArtHandle p = vmhost::AddPolyline(group, {{0, 0}, {10, 0}, {10, 10}}, true);
  tag.SetTag(p, "vmk_grading_member", "12345");
  ArtHandle copy = nullptr;
  ASSERT_EQ(art.DuplicateArt(group, kPlaceAbove, group, &copy), kNoErr);
  auto kids = vmhost::Children(copy);
  ASSERT_EQ(kids.size(), 1u);
  EXPECT_NE(kids[0], p);
  EXPECT_EQ(vmhost::Segments(kids[0]).size(), 3u);
  EXPECT_EQ(vmhost::Tag(kids[0], "vmk_grading_member"), "12345");

  ASSERT_EQ(art.DisposeArt(copy), kNoErr);
  int32_t valid = 1;
  art.ValidArt(kids[0], &valid);
  EXPECT_EQ(valid, 0);
  EXPECT_EQ(art.GetArtType(kids[0], nullptr), kBadParameterErr);
  art.ValidArt(p, &valid);
  EXPECT_EQ(valid, 1);
}

TEST_F(ArtTreeTest, TagsKeepTheirOrderAndTheirBytes) {
  ArtHandle p = vmhost::AddPolyline(nullptr, {{0, 0}, {1, 1}}, false);
  vmhost::SetSelected(p, true);
  std::string big(5000, 'x');
  big[10] = '\r';
  big[11] = '\n';
  big[12] = static_cast<char>(0x83);  // a Shift-JIS lead byte alone
  tag.SetTag(p, "b", "1");
  tag.SetTag(p, "a", big.c_str());
  tag.SetTag(p, "c", "3");
  tag.SetTag(p, "b", "2");  // replaced in place
  EXPECT_EQ(TagNames(p), (std::vector<std::string>{"b", "a", "c"}));
  const char* value = nullptr;
  ASSERT_EQ(tag.GetTag(p, "a", &value), kNoErr);
  EXPECT_EQ(std::string(value), big);
  EXPECT_TRUE(vmhost::IsSelected(p));  // tags never touch the selection

  // A value read stays valid while other tags come and go.
  const char* kept = nullptr;
  tag.GetTag(p, "c", &kept);
  for (int i = 0; i < 100; i++) tag.SetTag(p, ("more" + std::to_string(i)).c_str(), "x");
  for (int i = 0; i < 100; i++) tag.RemoveTag(p, ("more" + std::to_string(i)).c_str());
  EXPECT_STREQ(kept, "3");

  EXPECT_EQ(tag.GetTag(p, "missing", &value), kNotFoundErr);
  EXPECT_EQ(value, nullptr);

  // Removing from the last to the first keeps lower indexes valid.
  int32_t count = 0;
  tag.CountTags(p, &count);
  for (int32_t i = count - 1; i >= 0; i--) {
    const char *name = nullptr, *type = nullptr;
    ASSERT_EQ(tag.GetNthTag(p, i, &name, &type), kNoErr);
    EXPECT_STREQ(type, "string");
    if (std::string(name) != "a") {
      ASSERT_EQ(tag.RemoveTag(p, name), kNoErr);
    }
  }
  EXPECT_EQ(TagNames(p), (std::vector<std::string>{"a"}));
  EXPECT_EQ(tag.GetNthTag(p, 1, nullptr, nullptr), kOutOfRangeErr);
}

TEST_F(ArtTreeTest, LayerGroupsCarryTagsAndLayersStackTopFirst) {
  LayerHandle bottom = nullptr, top = nullptr;
  layers.GetNthLayer(0, &bottom);
  ASSERT_EQ(layers.InsertLayer(nullptr, kPlaceAboveAll, &top), kNoErr);
  LayerHandle first = nullptr, next = nullptr;
  layers.GetNthLayer(0, &first);
  layers.GetNextLayer(first, &next);
  EXPECT_EQ(first, top);
  EXPECT_EQ(next, bottom);
  LayerHandle middle = nullptr, second = nullptr;
  ASSERT_EQ(layers.InsertLayer(top, kPlaceBelow, &middle), kNoErr);
  layers.GetNthLayer(1, &second);
  EXPECT_EQ(second, middle);
  ASSERT_EQ(layers.DeleteLayer(middle), kNoErr);
  ArtHandle group = nullptr;
  layers.GetFirstArtOfLayer(top, &group);
  EXPECT_EQ(tag.SetTag(group, "grading_preset_01", "S,1,1"), kNoErr);
  EXPECT_EQ(vmhost::Tag(group, "grading_preset_01"), "S,1,1");

  ArtHandle inside = vmhost::AddPolyline(group, {{0, 0}, {1, 0}}, false);
  ASSERT_EQ(layers.DeleteLayer(top), kNoErr);
  int32_t valid = 1;
  kArtSuite.ValidArt(inside, &valid);
  EXPECT_EQ(valid, 0);
  EXPECT_EQ(layers.DeleteLayer(bottom), kBadParameterErr);  // the last layer stays
}

TEST_F(ArtTreeTest, PathRangesAreCheckedAndBoundsFollowTheCurve) {
  // One cubic from (0,0) to (100,0), both handles 100 up: the top of the
  // curve is at 75, the control points at 100.
  ArtHandle p =
      vmhost::AddPath(nullptr, {{{0, 0}, {0, 0}, {0, 100}, 0}, {{100, 0}, {100, 100}, {100, 0}, 0}}, false);
  RealRect exact, control;
  art.GetArtBounds(p, &exact);
  art.GetArtControlBounds(p, &control);
  EXPECT_DOUBLE_EQ(exact.top, 75);
  EXPECT_DOUBLE_EQ(control.top, 100);
  EXPECT_DOUBLE_EQ(exact.bottom, 0);
  EXPECT_DOUBLE_EQ(exact.right, 100);

  PathSegment seg[3];
  EXPECT_EQ(path.GetPathSegments(p, 1, 2, seg), kOutOfRangeErr);
  EXPECT_EQ(path.GetPathSegments(p, -1, 1, seg), kOutOfRangeErr);
  EXPECT_EQ(path.SetPathSegments(p, 2, 1, seg), kOutOfRangeErr);
  EXPECT_EQ(path.GetPathSegments(p, 0, 2, seg), kNoErr);
  EXPECT_EQ(seg[1].in.v, 100);
  int16_t selected = 0;
  EXPECT_EQ(path.GetPathSegmentSelected(p, 2, &selected), kOutOfRangeErr);
  ArtHandle group = vmhost::AddGroup();
  int16_t count = 0;
  EXPECT_EQ(path.GetPathSegmentCount(group, &count), kWrongTypeErr);
}

TEST_F(ArtTreeTest, TransformMovesEveryPointAndScalesLines) {
  ArtHandle p = vmhost::AddPolyline(nullptr, {{1, 0}, {2, 0}}, false);
  RealMatrix m;
  kRealMathSuite.MatrixSetRotate(&m, 3.14159265358979323846 / 2);
  kRealMathSuite.MatrixConcatTranslate(&m, 10, 0);
  ASSERT_EQ(kTransformArtSuite.TransformArt(p, &m, 2.0, kTransformObjects), kNoErr);
  auto s = vmhost::Segments(p);
  EXPECT_NEAR(s[1].p.h, 10, 1e-12);
  EXPECT_NEAR(s[1].p.v, 2, 1e-12);
  PathStyle style;
  kPathStyleSuite.GetPathStyle(p, &style);
  EXPECT_EQ(style.strokeWidth, 2.0);
}

TEST_F(ArtTreeTest, SelectionIsWhatMatchingArtReturns) {
  ArtHandle group = vmhost::AddGroup();
  ArtHandle a = vmhost::AddPolyline(group, {{0, 0}, {1, 0}}, false);
  ArtHandle hidden = vmhost::AddPolyline(nullptr, {{0, 0}, {1, 0}}, false);
  art.SetArtUserAttr(hidden, kArtHidden, kArtHidden);
  LayerHandle layer;
  layers.GetNthLayer(0, &layer);
  art.SelectAllArtOnLayer(layer);
  ArtHandle* found = nullptr;
  int32_t count = 0;
  ASSERT_EQ(kMatchingArtSuite.GetSelectedArt(&found, &count), kNoErr);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(found[0], group);
  EXPECT_EQ(found[1], a);
  kMatchingArtSuite.FreeMatchingArt(found);
  art.DeselectAll();
  kMatchingArtSuite.GetSelectedArt(&found, &count);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(found, nullptr);
}

TEST_F(ArtTreeTest, SettingBackTheSelectionAGroupReadsLeavesItAsTheUserMadeIt) {
  ArtHandle outer = vmhost::AddGroup();
  ArtHandle inner = vmhost::AddGroup(outer);
  ArtHandle piece = vmhost::AddPolyline(inner, {{0, 0}, {1, 0}}, false);
  ArtHandle other = vmhost::AddPolyline(inner, {{0, 5}, {1, 5}}, false);
  ArtHandle line = vmhost::AddPolyline(inner, {{0, 9}, {1, 9}, {2, 9}}, false);
  vmhost::SetSelected(piece, true);
  ASSERT_EQ(path.SetPathSegmentSelected(line, 1, 1), kNoErr);  // one anchor of a line, as a direct selection
  auto read = [&](ArtHandle a) {
    uint32_t attr = 0;
    art.GetArtUserAttr(a, kArtSelected | kArtFullySelected, &attr);
    return attr;
  };
  // Anything selected inside makes a group read as selected; everything, fully selected.
  EXPECT_EQ(read(outer), static_cast<uint32_t>(kArtSelected));
  EXPECT_EQ(read(piece), static_cast<uint32_t>(kArtSelected | kArtFullySelected));
  for (ArtHandle a : {outer, inner, piece, other, line}) art.SetArtUserAttr(a, kArtSelected, read(a));
  EXPECT_TRUE(vmhost::IsSelected(piece));
  EXPECT_FALSE(vmhost::IsSelected(other));
  int16_t anchor = 0;
  path.GetPathSegmentSelected(line, 0, &anchor);
  EXPECT_EQ(anchor, 0) << "the line keeps its one selected anchor";
  path.GetPathSegmentSelected(line, 1, &anchor);
  EXPECT_EQ(anchor, 1);
  // Deselecting the group deselects everything in it; selecting it, everything.
  art.SetArtUserAttr(inner, kArtSelected, 0);
  EXPECT_EQ(read(outer), 0u);
  EXPECT_FALSE(vmhost::IsSelected(piece));
  art.SetArtUserAttr(outer, kArtSelected, kArtSelected);
  EXPECT_EQ(read(outer), static_cast<uint32_t>(kArtSelected | kArtFullySelected));
  EXPECT_TRUE(vmhost::IsSelected(other));
}

}  // namespace
