// Gathering the current piece: which paths each mode keeps, and what is never
// gathered.
#include "engine/selection_gathering.h"
#include "shell/timer_scene.h"
#include "store/art_tags.h"
#include "store/tool_config_tag.h"

namespace vmtest {
namespace {

class RefreshGatheringTest : public TimerScene {
 protected:
  void SetUp() override {
    TimerScene::SetUp();
    ArtHandle top = LayerGroup();
    ArtHandle group = vmhost::AddGroup(top);
    ArtHandle toolConfig = vmhost::AddGroup(top);
    inGroup = Rect(group, 40, 0, 50, 10);
    unselected = Rect(top, 20, 0, 30, 10);
    selected = Rect(top, 0, 0, 10, 10);  // topmost
    Select({inGroup, selected, Rect(toolConfig, 0, 0, 10, 10)});
    Select({Rect(LayerGroup(vmhost::AddLayer("<<Fendrilax Preview>>")), 0, 0, 10, 10)});
    ArtHandle guide = Rect(top, 0, 0, 10, 10);
    HeldSuites suites;
    WriteStringTag(toolConfig, kToolConfigTagKey, "1");
    sAIArt->SetArtUserAttr(guide, kArtIsGuide | kArtSelected, kArtIsGuide | kArtSelected);
  }
  std::vector<ArtHandle> Gather(int16_t mode, const std::vector<RealRect>& rects) {
    HeldSuites suites;
    GatherSelectedPaths(mode, rects.empty() ? nullptr : rects.data());
    return Piece();
  }

  static constexpr RealRect kAroundSelected{-5, 15, 15, -5};
  static constexpr RealRect kAroundUnselected{15, 15, 35, -5};
  static constexpr RealRect kAroundGroup{35, 15, 55, -5};
  static constexpr RealRect kNothing{0, 0, 0, 0};
  ArtHandle selected = nullptr, unselected = nullptr, inGroup = nullptr;
};

TEST_F(RefreshGatheringTest, EachModeKeepsItsPaths) {
  const std::vector<RealRect> classes{kAroundSelected, kAroundUnselected, kAroundGroup};
  const std::vector<RealRect> firstEmpty{kNothing, kAroundSelected, kAroundGroup};
  struct Case {
    int16_t mode;
    std::vector<RealRect> rects;
    std::vector<ArtHandle> kept;
  } cases[] = {
      {-1, {}, {selected, inGroup}},
      {-1, {kAroundGroup}, {inGroup}},
      {-2, {kAroundUnselected}, {unselected}},
      {1, classes, {selected}},
      {2, classes, {unselected}},
      {3, classes, {inGroup}},
      {2, firstEmpty, {selected}},  // an empty rectangle gives no class
      {1, firstEmpty, {}},
      {0, classes, {selected, unselected, inGroup}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", " << c.rects.size() << " rectangles");
    EXPECT_EQ(Gather(c.mode, c.rects), c.kept);
  }
}

TEST_F(RefreshGatheringTest, TheGatheredPiecesBoundsAreUnited) {
  Gather(-1, {});
  const RealRect& b = globals().selectionBounds;
  EXPECT_EQ((std::vector<double>{b.left, b.top, b.right, b.bottom}), (std::vector<double>{0, 10, 50, 0}));
  EXPECT_EQ(globals().lastZoom, 1.0);
}

TEST_F(RefreshGatheringTest, AnEmptySelectionGathersNothingButLeavesRoomForThePreview) {
  Select({selected, inGroup}, false);
  globals().selectionBounds = {1, 2, 3, 4};
  EXPECT_TRUE(Gather(-1, {}).empty());
  EXPECT_EQ(globals().pieceArts, nullptr);
  const RealRect& b = globals().selectionBounds;
  EXPECT_EQ((std::vector<double>{b.left, b.top, b.right, b.bottom}), (std::vector<double>{0, 0, 0, 0}));
  ASSERT_NE(globals().previewArts, nullptr);
  EXPECT_EQ(globals().previewArts[0], nullptr);
  EXPECT_EQ(globals().previewArtCount, 0);
}

TEST_F(RefreshGatheringTest, ARectangleModeWithoutItsRectanglesGathersNothing) {
  EXPECT_TRUE(Gather(-2, {}).empty());
  EXPECT_TRUE(Gather(2, {}).empty());
}

}  // namespace
}  // namespace vmtest
