// The point snaps to anchors, bounds centres and paths of the art the user can see.
#include "snap_scene.h"
#include "store/art_tags.h"
#include "store/tool_config_tag.h"

namespace vmtest {
namespace {

using SnapTargets = SnapScene;

TEST_F(SnapTargets, CoincidentAnchorsGoToThePathMetFirst) {
  ArtHandle left = Rect(LayerGroup(), 0, 0, 100, 50);
  ArtHandle right = Rect(LayerGroup(), 100.5, 0, 200, 50);  // its anchor 0 half a point away
  ArtHandle met = vmhost::Children(LayerGroup())[0], other = met == left ? right : left;

  const ListSnap one = RunListSnap(SnapToAnchorPoints, {101.2, 0.8});
  EXPECT_EQ(one.kind, kSnapKindAnchor);
  EXPECT_EQ(one.point.h, met == left ? 100 : 100.5);
  EXPECT_EQ(one.point.v, 0);
  EXPECT_EQ(one.hits[0].art, met);
  EXPECT_EQ(one.hits[1].art, reinterpret_cast<ArtHandle>(1)) << "nothing past the caller's room";

  const ListSnap five = RunListSnap(SnapToAnchorPoints, {101.2, 0.8}, 5);
  EXPECT_EQ(five.hits[0].art, met);
  EXPECT_EQ(five.hits[1].art, other);
  for (int i = 2; i < 5; ++i) EXPECT_TRUE(IsNoHit(five.hits[i])) << i;
}

TEST_F(SnapTargets, OnlyVisibleOrdinaryArtIsSearched) {
  enum Place { kOnLayer, kNestedGroups, kCompoundPath, kToolConfigGroup };
  const struct {
    const char* title;
    bool hidden;
    Place place;
    bool found;
  } cases[] = {{"Pattern", false, kOnLayer, true},
               {"Pattern", false, kNestedGroups, true},
               {"Pattern", false, kCompoundPath, true},
               {"Pattern", false, kToolConfigGroup, false},
               {"Pattern", true, kOnLayer, false},
               {"<<Vestamark Preview>>", false, kOnLayer, false},
               {"<<Fendrilax Preview>>", false, kOnLayer, false},
               {"<<Moravine Preview>>", false, kOnLayer, false}};
  for (const auto& c : cases) {
    LayerHandle layer = vmhost::AddLayer(c.title);
    ArtHandle parent = LayerGroup(layer);
    if (c.place == kNestedGroups) parent = vmhost::AddGroup(vmhost::AddGroup(parent));
    if (c.place == kCompoundPath) parent = vmhost::AddGroup(parent, kCompoundPathArt);
    if (c.place == kToolConfigGroup) {
      parent = vmhost::AddGroup(parent);
      WriteStringTag(parent, kToolConfigTagKey, "1");
      parent = vmhost::AddGroup(parent);
    }
    ArtHandle path = Rect(parent, 0, 0, 10, 10);
    if (c.hidden) sAILayer->SetLayerVisible(layer, 0);
    const ListSnap s = RunListSnap(SnapToAnchorPoints, {0.5, 0.5});
    EXPECT_EQ(s.kind, c.found ? kSnapKindAnchor : 0) << c.title << c.place << c.hidden;
    EXPECT_EQ(s.hits[0].art, c.found ? path : nullptr) << c.title << c.place << c.hidden;
    sAILayer->DeleteLayer(layer);
  }
}

TEST_F(SnapTargets, ToleranceIsTwoScreenPixels) {
  Rect(LayerGroup(), 0, 0, 100, 100);
  using Case = std::tuple<double, double, bool>;  // zoom, offset, snaps
  for (auto [zoom, offset, snaps] : {Case{1, 1.9, true}, Case{1, 2.1, false}, Case{4, 0.4, true},
                                     Case{4, 0.6, false}, Case{0.25, 7.5, true}}) {
    vmhost::SetZoom(zoom);
    const ListSnap s = RunListSnap(SnapToAnchorPoints, {100 + offset, 100 - offset});
    EXPECT_EQ(s.kind, snaps ? kSnapKindAnchor : 0) << zoom << " " << offset;
  }
}

TEST_F(SnapTargets, BoundsCentreKeepsTheFirstPathsCentre) {
  ArtHandle wide = Rect(LayerGroup(), 0, 0, 100, 40);
  ArtHandle shifted = Rect(LayerGroup(), 1, 1, 100, 40);  // centre (50.5, 20.5)
  ArtHandle met = vmhost::Children(LayerGroup())[0];
  const ListSnap s = RunListSnap(SnapToBoundsCentre, {50.6, 20.2}, 3);
  EXPECT_EQ(s.kind, kSnapKindBoundsCentre);
  EXPECT_EQ(s.hits[0].art, met);
  EXPECT_EQ(s.hits[0].segment, 0);
  EXPECT_EQ(s.hits[1].art, met == wide ? shifted : wide);
  EXPECT_TRUE(IsNoHit(s.hits[2]));
  EXPECT_EQ(s.point.h, met == wide ? 50 : 50.5);
}

TEST_F(SnapTargets, OnPathRecordsTheSegmentsEndAnchor) {
  ArtHandle box = Rect(LayerGroup(), 0, 0, 100, 50);  // anchors (0,0) (100,0) (100,50) (0,50)
  ArtHandle arc = Curved(LayerGroup(), Arc({0, 200}, 50, 0, 90));
  const double diagonal = 50.9 * M_SQRT1_2;
  const struct {
    RealPoint p;
    bool arcsOnly;
    SnapHit hit;
    RealPoint on;
  } cases[] = {{{40, 1.5}, false, {box, 1}, {40, 0}},
               {{99, 30}, false, {box, 2}, {100, 30}},
               {{-1, 20}, false, {box, 0}, {0, 20}},
               {{50, 25}, false, kNoSnapHit, {50, 25}},
               {{40, 1.5}, true, kNoSnapHit, {40, 1.5}},
               {{diagonal, 200 + diagonal}, true, {arc, 1}, {50 * M_SQRT1_2, 200 + 50 * M_SQRT1_2}}};
  for (const auto& c : cases) {
    RealPoint p = c.p;
    int16_t kind = 0;
    SnapHit hit = kNoSnapHit;
    (c.arcsOnly ? HitTestSegment : SnapToPath)(&p, &kind, &hit);
    const int16_t expected = c.hit.art == nullptr ? 0 : c.arcsOnly ? kSnapKindAnchor : kSnapKindOnPath;
    EXPECT_EQ(kind, expected) << c.p.h;
    EXPECT_EQ(hit.art, c.hit.art) << c.p.h;
    EXPECT_EQ(hit.segment, c.hit.segment) << c.p.h;
    EXPECT_NEAR(p.h, c.on.h, 1e-5) << c.p.h;
    EXPECT_NEAR(p.v, c.on.v, 1e-5) << c.p.h;
  }
}

}  // namespace
}  // namespace vmtest
