// A started module with a selected piece (an open line, a rectangle and a
// circle) and a revision tool in the user's hand.
#pragma once

#include <cmath>
#include <cstring>
#include <string>

#include "host/host_driver.h"
#include "shell/held_suites.h"
#include "store/grading_group_tags.h"
#include "support/module_fixture.h"
#include "win_driver.h"

namespace vmtest {

enum ToolSlot { kDistanceSlot = 1, kLengthSlot = 2, kPointSlot = 3, kAngleSlot = 4, kMeasureSlot = 5, kArcSlot = 6 };

class HandlersScene : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    {
      HeldSuites suites;
      LayerHandle layer = nullptr;
      ArtHandle layerGroup = nullptr;
      sAILayer->GetCurrentLayer(&layer);
      sAILayer->GetFirstArtOfLayer(layer, &layerGroup);
      piece = vmhost::AddGroup(layerGroup);
      line = vmhost::AddPolyline(piece, {{0, 0}, {100, 0}, {200, 0}, {300, 0}}, false);
      rect = vmhost::AddPolyline(piece, {{0, 100}, {100, 100}, {100, 200}, {0, 200}}, true);
      std::vector<PathSegment> arcs;  // four quarter arcs, counter-clockwise from the right
      for (int i = 0; i < 4; ++i) {
        const RealPoint p = CircleAnchor(i), t{-std::sin(i * M_PI / 2), std::cos(i * M_PI / 2)};
        const double k = 0.5522847498 * 50;
        arcs.push_back({p, {p.h - k * t.h, p.v - k * t.v}, {p.h + k * t.h, p.v + k * t.v}, 0});
      }
      circle = vmhost::AddPath(piece, arcs, true);
      globals().grading_origin = {-500, -500};
      globals().grading_hvlock = 1;
      std::vector<ArtHandle> arts{line, rect, circle};
      SaveGradingGroup(arts.data(), 3, 1);
    }
    vmhost::SetSelected(piece, true);
    ASSERT_EQ(TickOnce(), kNoErr);
    UseTool(kDistanceSlot);
    vmhost::TrackCursor({-50, -50});  // the pointer comes onto the canvas
    vmhost::ClearRecordings();
  }

  static RealPoint CircleAnchor(int i) { return {300 + 50 * std::cos(i * M_PI / 2), 300 + 50 * std::sin(i * M_PI / 2)}; }
  // Choosing a tool reloads the piece's grading group from the document.
  void UseTool(int slot) { ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[slot]), kNoErr); }
  // The user points at `from`, presses, drags to `to` and lets go there.
  static void Drag(RealPoint from, RealPoint to, uint32_t modifiers = 0) {
    vmhost::TrackCursor(from, modifiers);
    vmhost::MouseDown(from, modifiers);
    vmhost::MouseDrag(to, modifiers);
    vmhost::MouseUp(to, modifiers);
  }

  int UsedSlots() {
    int used = 0;
    for (const RevisionHandle& h : globals().handles) used += h.kind != kHandleFree;
    return used;
  }
  const RevisionHandle& Slot(int s) { return globals().handles[s]; }
  static ArtHandle PreviewLayerGroup() {
    HeldSuites suites;
    ArtHandle group = nullptr;
    sAILayer->GetFirstArtOfLayer(vmhost::FindLayer("<<Vestamark Preview>>"), &group);
    return group;
  }
  static int ArtCount(ArtHandle art) {
    int count = 0;
    for (ArtHandle child : vmhost::Children(art)) count += 1 + ArtCount(child);
    return count;
  }
  std::string StoredHandle(int s) { return vmhost::Tag(piece, ("vmk_grading_fxh_conf_" + std::to_string(s + 1)).c_str()); }

  ArtHandle piece = nullptr, line = nullptr, rect = nullptr, circle = nullptr;
};

}  // namespace vmtest
