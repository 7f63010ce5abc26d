// The bounds the module asks for follow every change that can move a path:
// after each, they are those of the same path drawn afresh.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "support/host_fixture.h"

using namespace vmtest;

namespace {

using Box = std::array<double, 4>;

Box Exact(ArtHandle art) {
  RealRect r{};
  kArtSuite.GetArtBounds(art, &r);
  return {r.left, r.top, r.right, r.bottom};
}

Box Control(ArtHandle art) {
  RealRect r{};
  kArtSuite.GetArtControlBounds(art, &r);
  return {r.left, r.top, r.right, r.bottom};
}

class BoundsTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    group = vmhost::AddGroup();
    // An open cubic whose handles point up; closing it adds a curve below.
    path = vmhost::AddPath(group, {{{0, 0}, {0, -60}, {0, 40}, 0}, {{100, 0}, {100, 40}, {100, -60}, 0}}, false);
    Exact(path);
    Control(path);
    InHostCall([&] { kArtSuite.DuplicateArt(path, kPlaceBelowAll, nullptr, &copy); });
  }

  // Both bounds of art, against those of a new path with its points.
  void ExpectFresh(ArtHandle art, const std::string& after) {
    int32_t closed = 0;
    kPathSuite.GetPathClosed(art, &closed);
    ArtHandle fresh = vmhost::AddPath(nullptr, vmhost::Segments(art), closed != 0);
    EXPECT_EQ(Exact(art), Exact(fresh)) << after;
    EXPECT_EQ(Control(art), Control(fresh)) << after;
    kArtSuite.DisposeArt(fresh);
  }

  void SetSegment(ArtHandle art, int16_t index, PathSegment s) {
    InHostCall([&] { kPathSuite.SetPathSegments(art, index, 1, &s); });
  }

  void Transform(ArtHandle art, double scale, double dx) {
    RealMatrix m;
    kRealMathSuite.MatrixSetScale(&m, scale, -scale);
    kRealMathSuite.MatrixConcatTranslate(&m, dx, 7);
    InHostCall([&] { kTransformArtSuite.TransformArt(art, &m, 1.0, kTransformObjects); });
  }

  ArtHandle group = nullptr, path = nullptr, copy = nullptr;
};

TEST_F(BoundsTest, EveryChangeThatMovesAPathMovesItsBounds) {
  const std::vector<std::pair<std::string, std::function<void()>>> changes = {
      {"an anchor moved", [&] { SetSegment(path, 1, {{150, 20}, {150, 90}, {150, -60}, 0}); }},
      {"the path closed", [&] { InHostCall([&] { kPathSuite.SetPathClosed(path, 1); }); }},
      {"a segment added",
       [&] {
         InHostCall([&] { kPathSuite.SetPathSegmentCount(path, 3); });
         SetSegment(path, 2, vmhost::Corner(60, 300));
       }},
      {"a segment dropped", [&] { InHostCall([&] { kPathSuite.SetPathSegmentCount(path, 2); }); }},
      {"the path opened", [&] { InHostCall([&] { kPathSuite.SetPathClosed(path, 0); }); }},
      {"the path transformed", [&] { Transform(path, 2, 30); }},
      {"its group transformed", [&] { Transform(group, 0.5, -80); }},
      {"the copy moved", [&] { SetSegment(copy, 0, vmhost::Corner(-500, -500)); }},
      {"undone", [] { ASSERT_TRUE(vmhost::Undo()); }},
      {"undone twice", [] { ASSERT_TRUE(vmhost::Undo()); }},
      {"redone", [] { ASSERT_TRUE(vmhost::Redo()); }},
  };
  for (const auto& [name, change] : changes) {
    change();
    ExpectFresh(path, name);
    ExpectFresh(copy, name);
    EXPECT_EQ(Exact(group), Exact(path)) << name << ": a group's bounds are its paths'";
  }
}

TEST_F(BoundsTest, ClosingAPathTakesInItsClosingCurve) {
  EXPECT_EQ(Exact(path), (Box{0, 30, 100, 0}));
  EXPECT_EQ(Control(path), (Box{0, 40, 100, 0}));
  InHostCall([&] { kPathSuite.SetPathClosed(path, 1); });
  EXPECT_EQ(Exact(path), (Box{0, 30, 100, -45}));
  EXPECT_EQ(Control(path), (Box{0, 40, 100, -60}));
}

TEST_F(BoundsTest, AGroupsBoundsFollowWhatComesAndGoesInIt) {
  ArtHandle far = vmhost::AddPolyline(nullptr, {{500, 500}, {600, 600}}, false);
  Exact(group);
  InHostCall([&] { kArtSuite.ReorderArt(far, kPlaceInsideOnTop, group); });
  EXPECT_EQ(Exact(group), (Box{0, 600, 600, 0}));
  InHostCall([&] { kArtSuite.DisposeArt(path); });
  EXPECT_EQ(Exact(group), (Box{500, 600, 600, 500}));
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(Exact(group), (Box{0, 600, 600, 0}));
}

}  // namespace
