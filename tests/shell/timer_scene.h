// A started module with one document, paths the user selects between timer
// ticks, and pieces whose grading group is stored in their tags.
#pragma once

#include <vector>

#include "host/host_driver.h"
#include "support/module_suites.h"
#include "store/grading_group_tags.h"
#include "support/module_fixture.h"

namespace vmtest {

class TimerScene : public ModuleTest {
 protected:
  static ArtHandle LayerGroup(LayerHandle layer = nullptr) {
    ModuleSuites suites;
    if (layer == nullptr) sAILayer->GetNthLayer(0, &layer);
    return layer->group;
  }
  // Anchors (x, 0), (x + 1, 10), ... (x + n - 1, 10 (n - 1)).
  static ArtHandle Path(ArtHandle parent, double x, int anchors) {
    std::vector<RealPoint> p;
    for (int i = 0; i < anchors; ++i) p.push_back({x + i, 10.0 * i});
    return vmhost::AddPolyline(parent, p, false);
  }
  static void StoreGroup(std::vector<ArtHandle> arts) {
    ModuleSuites suites;
    gPlugin->grading_origin = {0, 0};
    SaveGradingGroup(arts.data(), static_cast<int32_t>(arts.size()), 1);
  }
  static void Select(const std::vector<ArtHandle>& arts, bool selected = true) {
    for (ArtHandle a : arts) vmhost::SetSelected(a, selected);
  }
  std::vector<ArtHandle> Piece() {
    return {globals().pieceArts, globals().pieceArts + globals().pieceArtCount};
  }
  // Every gathering sets the zoom again; a value no view has shows that none ran.
  bool TickRefreshes() {
    globals().lastZoom = -1;
    EXPECT_EQ(TickOnce(), kNoErr);
    return globals().lastZoom != -1;
  }
};

}  // namespace vmtest
