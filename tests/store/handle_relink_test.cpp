// Which art a stored group is read from, and how a loaded handle finds the
// paths it was drawn on after the user edited them.
#include "host/host_driver.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/object_ids.h"
#include "store/piece_queries.h"
#include "store_scene.h"

namespace vmtest {
namespace {

class HandleRelinkTest : public StoreScene {
 protected:
  // A handle of `kind` whose first end lies on anchor `index` of `art` and
  // whose second end is free at (7, 9).
  void SaveHandleOn(int16_t kind, ArtHandle art, int32_t index, std::vector<ArtHandle> arts) {
    RevisionHandle& h = globals().handles[0];
    h.kind = kind;
    h.line.art1 = art;
    h.line.index1 = index;
    h.line.p1 = vmhost::Segments(art)[index].p;
    h.line.p2 = {7, 9};
    for (auto& amount : h.line.amountExpr) strcpy(amount, "100.0");
    SetPiece(arts);
    SaveGradingGroup(arts.data(), static_cast<int32_t>(arts.size()), 0);
  }
  static void MoveAnchor(ArtHandle art, int index, RealPoint to) {
    std::vector<PathSegment> segments = vmhost::Segments(art);
    segments[index].p = segments[index].in = segments[index].out = to;
    sAIPath->SetPathSegments(art, 0, static_cast<int16_t>(segments.size()), segments.data());
  }
  static void Truncate(ArtHandle art, int16_t count) { sAIPath->SetPathSegmentCount(art, count); }
};

TEST_F(HandleRelinkTest, OfEqualAreasTheFirstListedPathIsTheBase) {
  // Two pieces of the same size, loose on the layer: no common parent.
  ArtHandle p = Rect(LayerGroup(), 0, 0, 30, 30);
  ArtHandle q = Rect(LayerGroup(), 100, 0, 130, 30);
  std::vector<ArtHandle> pq = {p, q}, qp = {q, p};
  EXPECT_EQ(FindGroupBaseArt(pq.data(), 2), p);
  EXPECT_EQ(FindGroupBaseArt(qp.data(), 2), q);
  for (ArtHandle art : {p, q}) WriteStringTag(art, kGradingOriginKey, "0,0,1");
  WriteStringTag(p, kGradingTitleKey, "P");
  WriteStringTag(q, kGradingTitleKey, "Q");
  EXPECT_EQ(FindGroupBaseArt(qp.data(), 2), q);
  ASSERT_EQ(LoadGradingGroup(pq.data(), 2), 1);
  EXPECT_STREQ(globals().grading_title, "P");
  ASSERT_EQ(LoadGradingGroup(qp.data(), 2), 1);
  EXPECT_STREQ(globals().grading_title, "Q");
}

TEST_F(HandleRelinkTest, AnEndFollowsItsAnchorOnlyWhenItMovedMoreThanAHundredthOfAPoint) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle a = Rect(piece, 0, 0, 100, 50);  // anchor 1 at (100, 0)
  const struct {
    RealPoint anchor;
    RealPoint p1, p2;  // the handle's ends after the load
  } cases[] = {
      {{100.005, 0}, {100, 0}, {7, 9}},      // within the tolerance: the stored end stays
      {{100.5, 0}, {100.5, 0}, {7.5, 9}},    // the free end moves by the same offset
      {{103, -4}, {103, -4}, {10, 5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.anchor.h);
    MoveAnchor(a, 1, {100, 0});
    SaveHandleOn(kHandleArc, a, 1, {a});
    MoveAnchor(a, 1, c.anchor);
    ASSERT_EQ(LoadGradingGroup(&a, 1), 1);
    const TwoPointHandleData& d = globals().handles[0].line;
    ASSERT_EQ(d.art1, a);
    EXPECT_DOUBLE_EQ(d.p1.h, c.p1.h);
    EXPECT_DOUBLE_EQ(d.p1.v, c.p1.v);
    EXPECT_DOUBLE_EQ(d.p2.h, c.p2.h);
    EXPECT_DOUBLE_EQ(d.p2.v, c.p2.v);
  }
}

TEST_F(HandleRelinkTest, AFreeFirstEndFollowsTheSecondEndsAnchor) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle a = Rect(piece, 0, 0, 100, 50);
  RevisionHandle& h = globals().handles[0];
  h.kind = kHandlePlain;
  h.line.p1 = {5, 5};
  h.line.art2 = a;
  h.line.index2 = 2;
  h.line.p2 = {100, 50};
  SetPiece({a});
  SaveGradingGroup(&a, 1, 0);
  MoveAnchor(a, 2, {110, 45});
  ASSERT_EQ(LoadGradingGroup(&a, 1), 1);
  const TwoPointHandleData& d = globals().handles[0].line;
  EXPECT_EQ(d.art1, nullptr);
  EXPECT_EQ(d.art2, a);
  EXPECT_DOUBLE_EQ(d.p2.h, 110);
  EXPECT_DOUBLE_EQ(d.p2.v, 45);
  EXPECT_DOUBLE_EQ(d.p1.h, 15);
  EXPECT_DOUBLE_EQ(d.p1.v, 0);
}

// Keys are read from 1 to 200 whatever is missing between them; a handle whose
// paths no longer fit its kind is dropped, and the rest close up.
TEST_F(HandleRelinkTest, HandlesLoadPastAMissingKeyAndWithoutTheOnesThatLostTheirPaths) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle a = Rect(piece, 0, 0, 100, 50), b = Rect(piece, 200, 0, 260, 80);
  const struct {
    int16_t kind;
    ArtHandle art1, art2;
    const char* name;
  } stored[] = {
      {kHandleLength, a, a, "along a"},
      {kHandleDistance, a, b, "key 2, removed below"},
      {kHandleLength, a, b, "length across two paths"},
      {kHandleDistance, a, nullptr, "distance to nowhere"},
      {kHandleDistance, b, a, "b to a"},
  };
  for (int slot = 0; slot < 5; ++slot) {
    RevisionHandle& h = globals().handles[slot];
    h.kind = stored[slot].kind;
    h.line.art1 = stored[slot].art1;
    h.line.art2 = stored[slot].art2;
    h.line.index1 = 0;
    h.line.index2 = 2;
    strcpy(h.name, stored[slot].name);
  }
  std::vector<ArtHandle> arts = {a, b};
  SetPiece(arts);
  SaveGradingGroup(arts.data(), 2, 0);
  RemoveTag(piece, "vmk_grading_fxh_conf_2");
  ASSERT_EQ(LoadGradingGroup(arts.data(), 2), 1);
  EXPECT_STREQ(globals().handles[0].name, "along a");
  EXPECT_STREQ(globals().handles[1].name, "b to a");
  EXPECT_EQ(globals().handles[1].line.art1, b);
  EXPECT_EQ(globals().handles[2].kind, kHandleFree);
}

// A duplicated path carries the object id of its original; a handle stays
// with the first path of the piece that has the id, or is dropped.
TEST_F(HandleRelinkTest, AHandleNeverMovesOntoACopyOfItsPath) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle original = Rect(piece, 0, 0, 100, 50);
  ArtHandle copy = vmhost::AddPolyline(piece, {{0, 60}, {20, 60}, {40, 60}, {60, 60}, {80, 60}, {100, 60}}, false);
  SaveHandleOn(kHandleArc, original, 3, {original, copy});
  const int32_t id = ReadObjectId(original);
  WriteTagInteger(copy, kObjectIdKey, id);

  EXPECT_EQ(FindArtByObjectId(id, 3), original);
  EXPECT_EQ(FindArtByObjectId(id, 5), nullptr);  // only the copy has an anchor 5
  EXPECT_EQ(FindArtByObjectId(id, -1), nullptr);
  std::vector<ArtHandle> arts = {original, copy};
  ASSERT_EQ(LoadGradingGroup(arts.data(), 2), 1);
  EXPECT_EQ(globals().handles[0].line.art1, original);

  Truncate(original, 3);  // the user deleted the handle's anchor
  ASSERT_EQ(LoadGradingGroup(arts.data(), 2), 1);
  EXPECT_EQ(globals().handles[0].kind, kHandleFree);
}

}  // namespace
}  // namespace vmtest
