// Gathering the current piece and refreshing its preview layer.
#include "engine/selection_gathering.h"
#include "panels/grading_preview_refresh.h"
#include "shell/timer_scene.h"
#include "store/art_tags.h"
#include "store/tool_config_tag.h"

namespace vmtest {
namespace {

using RefreshTest = TimerScene;

TEST_F(RefreshTest, EachModeGathersItsPathsButNeverGuidesToolGroupsOrPreviewLayers) {
  ArtHandle top = LayerGroup(), toolGroup = vmhost::AddGroup(top), guide = Path(top, 0, 2);
  ArtHandle inGroup = Path(vmhost::AddGroup(top), 40, 2), unselected = Path(top, 20, 2),
            selected = Path(top, 0, 2);
  Select({inGroup, selected, Path(toolGroup, 0, 2),
          Path(LayerGroup(vmhost::AddLayer("<<Moravine Preview>>")), 0, 2)});
  ModuleSuites suites;
  WriteStringTag(toolGroup, kToolConfigTagKey, "1");
  sAIArt->SetArtUserAttr(guide, kArtIsGuide | kArtSelected, kArtIsGuide | kArtSelected);

  const RealRect kSelected{-5, 15, 5, -5}, kUnselected{15, 15, 25, -5}, kGroup{35, 15, 45, -5}, kNone{};
  struct {
    int16_t mode;
    std::vector<RealRect> rects;
    std::vector<ArtHandle> kept;
  } cases[] = {
      {-1, {}, {selected, inGroup}},
      {-2, {kUnselected}, {unselected}},
      {3, {kSelected, kUnselected, kGroup}, {inGroup}},
      {2, {kNone, kSelected, kGroup}, {selected}},  // an empty rectangle gives no class
      {0, {kSelected, kUnselected, kGroup}, {selected, unselected, inGroup}},
      {7, {}, {selected, unselected, inGroup}},  // that mode reads no rectangle
      {-2, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", rectangles " << c.rects.size());
    GatherSelectedPaths(c.mode, c.rects.empty() ? nullptr : c.rects.data());
    EXPECT_EQ(Piece(), c.kept);
  }
}

TEST_F(RefreshTest, AForcedRefreshMakesThePreviewLayerOnTopOnceAndReusesIt) {
  ModuleSuites suites;
  RefreshGradingPreview(1);
  RefreshGradingPreview(1);
  LayerHandle top = globals().previewLayer;
  EXPECT_EQ(vmhost::LayerTitle(top), "<<Vestamark Preview>>");
  EXPECT_EQ(LayerGroup(), top->group);
  int32_t layers = 0;
  sAILayer->CountLayers(&layers);
  EXPECT_EQ(layers, 2);
  EXPECT_EQ((std::vector<int>{top->d.color.red, top->d.color.green, top->d.color.blue}),
            (std::vector<int>{0, 65535, 65535}));
}

}  // namespace
}  // namespace vmtest
