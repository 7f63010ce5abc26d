// The simple-grading tools in use: a test tool handle in the family's slot,
// a size table whose basic row makes 254 mm into 720 pt, and the gestures.
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "host/host_driver.h"
#include "support/module_suites.h"
#include "simple_grading/simple_grading_object.h"
#include "simple_grading_scene.h"
#include "store/grading_group_tags.h"
#include "support/tool_gestures.h"
#include "text/document_window.h"

namespace vmtest {

// "left top right bottom" of an art's bounds.
inline std::string Box(ArtHandle art) {
  ModuleSuites suites;
  RealRect r{};
  sAIArt->GetArtBounds(art, &r);
  char text[128];
  std::snprintf(text, sizeof text, "%g %g %g %g", r.left, r.top, r.right, r.bottom);
  return text;
}

// A block's paths as drawn: outline first, then the dividers.
inline std::vector<std::string> Paths(ArtHandle block) {
  std::vector<std::string> boxes;
  for (ArtHandle path : vmhost::Children(block)) boxes.insert(boxes.begin(), Box(path));
  return boxes;
}

class ToolsScene : public SimpleGradingScene {
 protected:
  void SetUp() override {
    SimpleGradingScene::SetUp();
    PluginGlobals& g = globals();
    g.flUseGrid = g.flUseFcur = g.flUseFcrs = g.flUseFops = g.flUseFcnt = 0;
    const double pitches[4] = {90.5, 95.2, 100, 104.8};
    for (int row = 0; row < kSizeTableRows; ++row)
      g.sizeTable[row] = SizeTableRow{row < 4 ? pitches[row] : 0, 1, 2, 254, 254, 254, 3, 4, 5};
    g.simpleGrading.grading_basic_size = 2;
    ModuleSuites suites;
    sAILayer->GetNthLayer(0, &layer);
  }
  void TearDown() override {
    Release();
    SimpleGradingScene::TearDown();
  }

  // Kinds 0 to 4 use slots 7, 9, 10, 11, 8, each with a handle borrowed from revision slots 1 to 5.
  void UseKind(int16_t kind) {
    static constexpr int kSlots[5] = {7, 9, 10, 11, 8};
    Release();
    slot = kSlots[kind];
    from = 1 + kind;
    std::swap(globals().toolHandles[from], globals().toolHandles[slot]);
    ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[slot]), kNoErr);
  }
  void Release() {
    if (slot != 0) std::swap(globals().toolHandles[from], globals().toolHandles[slot]);
    slot = 0;
  }

  // A selected group holding one path from a to b.
  ArtHandle Piece(RealPoint a, RealPoint b) {
    ArtHandle group = vmhost::AddGroup(layer->group);
    vmhost::AddPolyline(group, {a, b}, false);
    vmhost::SetSelected(group, true);
    return group;
  }
  ArtHandle Object(int32_t type) {
    ArtHandle found = nullptr;
    InModuleCall([&] { found = FindSimpleGradingObject(type); });
    return found;
  }
  LayerHandle layer = nullptr;
  int slot = 0;
  int from = 0;
};

}  // namespace vmtest
