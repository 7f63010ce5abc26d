// A walk over children through the art suite, as the module's walks go,
// meets them in paint order both ways after every kind of change.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/host_fixture.h"

using namespace vmtest;

namespace {

std::vector<ArtHandle> WalkDown(ArtHandle parent) {
  std::vector<ArtHandle> seen;
  ArtHandle art = nullptr;
  kArtSuite.GetArtFirstChild(parent, &art);
  for (; art && seen.size() < 100; kArtSuite.GetArtSibling(art, &art)) seen.push_back(art);
  return seen;
}

std::vector<ArtHandle> WalkUp(ArtHandle parent) {
  std::vector<ArtHandle> seen;
  const std::vector<ArtHandle> children = vmhost::Children(parent);
  ArtHandle art = children.empty() ? nullptr : children.back();
  for (; art && seen.size() < 100; kArtSuite.GetArtPriorSibling(art, &art)) seen.push_back(art);
  std::reverse(seen.begin(), seen.end());
  return seen;
}

class SiblingWalkTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    group = vmhost::AddGroup();
    for (int i = 0; i < 6; ++i) vmhost::AddPolyline(group, {{i * 10.0, 0}, {i * 10.0, 50}}, false);
    LayerHandle layer = nullptr;
    kLayerSuite.GetNthLayer(0, &layer);
    kLayerSuite.GetFirstArtOfLayer(layer, &layerGroup);
  }

  ArtHandle Child(size_t n) { return vmhost::Children(group).at(n); }

  ArtHandle group = nullptr, layerGroup = nullptr;
};

TEST_F(SiblingWalkTest, EveryChangeKeepsTheWalkInPaintOrder) {
  ArtHandle made = nullptr;
  const std::vector<std::pair<std::string, std::function<void()>>> changes = {
      {"nothing yet", [] {}},
      {"new art on top", [&] { kArtSuite.NewArt(kPathArt, kPlaceInsideOnTop, group, &made); }},
      {"new art below the third", [&] { kArtSuite.NewArt(kPathArt, kPlaceBelow, Child(2), &made); }},
      {"the bottom one to the top", [&] { kArtSuite.ReorderArt(Child(6), kPlaceInsideOnTop, group); }},
      {"the second above the fifth", [&] { kArtSuite.ReorderArt(Child(1), kPlaceAbove, Child(4)); }},
      {"a middle one disposed", [&] { kArtSuite.DisposeArt(Child(3)); }},
      {"one duplicated below itself", [&] { kArtSuite.DuplicateArt(Child(2), kPlaceBelow, Child(2), &made); }},
      {"the top one out to the layer", [&] { kArtSuite.ReorderArt(Child(0), kPlaceAboveAll, nullptr); }},
  };
  std::vector<std::vector<ArtHandle>> orders;
  for (const auto& [name, change] : changes) {
    InHostCall(change);
    EXPECT_EQ(WalkDown(group), vmhost::Children(group)) << name;
    EXPECT_EQ(WalkUp(group), vmhost::Children(group)) << name;
    EXPECT_EQ(WalkDown(layerGroup), vmhost::Children(layerGroup)) << name;
    orders.push_back(vmhost::Children(group));
  }
  // Undo and redo put whole lists of children back at once.
  for (size_t n = orders.size() - 1; n > 0; --n) {
    ASSERT_TRUE(vmhost::Undo());
    EXPECT_EQ(WalkDown(group), orders[n - 1]) << "undone to " << changes[n - 1].first;
    EXPECT_EQ(WalkUp(group), orders[n - 1]) << "undone to " << changes[n - 1].first;
  }
  ASSERT_TRUE(vmhost::Redo());
  EXPECT_EQ(WalkDown(group), orders[1]);
  EXPECT_EQ(WalkUp(group), orders[1]);
}

}  // namespace
