// A graded piece with a revision tool current, presets whose scales differ,
// and the "Update grading" dialog answered by a scripted user.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/update_grading.h"
#include "host/host_driver.h"
#include "panels/grading_preview_refresh.h"
#include "panels/update_grading_command.h"
#include "store/grading_group_tags.h"
#include "support/module_fixture.h"
#include "support/module_suites.h"
#include "win_driver.h"

namespace vmtest {

class UpdateGradingScene : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    // Preset s widens the piece (s + 2) times: the right edge at 100 goes to 200, 300, ...
    for (int s = 0; s < 4; ++s) globals().groupPresetScale[s] = globals().presetScale[s] = {s + 2.0, 1.0};
    piece = GradedPiece(CurrentLayer());
    vmhost::SetSelected(piece, true);
    ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);
    ASSERT_EQ(globals().pieceArtCount, 2);
    members = vmhost::Children(piece);
    vmhost::ClearRecordings();
  }

  static LayerHandle CurrentLayer() {
    ModuleSuites suites;
    LayerHandle layer = nullptr;
    sAILayer->GetCurrentLayer(&layer);
    return layer;
  }
  static ArtHandle LayerGroup(LayerHandle layer = CurrentLayer()) { return layer->group; }
  static ArtHandle Rect(ArtHandle parent, double left, double bottom, double right, double top) {
    return vmhost::AddPolyline(parent, {{left, bottom}, {right, bottom}, {right, top}, {left, top}}, true);
  }
  // A group of two rectangles 100 wide carrying a stored grading group.
  static ArtHandle GradedPiece(LayerHandle layer) {
    ArtHandle group = vmhost::AddGroup(LayerGroup(layer));
    std::vector<ArtHandle> arts{Rect(group, 0, 0, 100, 50), Rect(group, 0, 60, 100, 120)};
    ModuleSuites suites;
    gPlugin->grading_origin = {0, 0};
    SaveGradingGroup(arts.data(), 2, 1);
    return group;
  }
  std::vector<ArtHandle> Piece() {
    return {globals().pieceArts, globals().pieceArts + globals().pieceArtCount};
  }

  void RunUpdate(std::vector<vmwin::UserAction> actions) {
    vmwin::ScriptDialog(kDialog, std::move(actions));
    InModuleCall([] { RunUpdateGradingCommand(); });
  }
  intptr_t ShowDialog(std::vector<vmwin::UserAction> actions, int dialog = kDialog) {
    vmwin::ScriptDialog(dialog, std::move(actions));
    intptr_t result = -1;
    InModuleCall([&] { result = ShowUpdateGradingDialog(globals().pluginRef); });
    return result;
  }
  // A step that looks at the dialog (and the document) while it is open.
  static vmwin::UserAction Look(std::function<void(HWND)> look) { return vmwin::Do(std::move(look)); }

  // The rightmost anchor of each path at and below `art`, from the bottom of the drawing up.
  static std::vector<double> RightEdges(ArtHandle art) {
    std::vector<double> edges;
    const std::vector<ArtHandle> kids = vmhost::Children(art);
    for (auto kid = kids.rbegin(); kid != kids.rend(); ++kid) {
      const std::vector<double> inner = RightEdges(*kid);
      edges.insert(edges.end(), inner.begin(), inner.end());
    }
    for (size_t i = 0; i < vmhost::Segments(art).size(); ++i) {
      if (i == 0) edges.push_back(-1e9);
      edges.back() = std::max(edges.back(), vmhost::Segments(art)[i].p.h);
    }
    return edges;
  }
  static std::vector<double> EdgesOfLayer(const char* title) {
    LayerHandle layer = vmhost::FindLayer(title);
    return layer != nullptr ? RightEdges(LayerGroup(layer)) : std::vector<double>{};
  }
  // The dialog's preview group: the target layer's topmost art unless that is the piece.
  ArtHandle PreviewGroup() {
    std::vector<ArtHandle> top = vmhost::Children(LayerGroup(TargetLayer()));
    return !top.empty() && top.front() != piece ? top.front() : nullptr;
  }
  LayerHandle TargetLayer() { return target != nullptr ? target : CurrentLayer(); }

  static constexpr int kDialog = 16070;
  static constexpr const char* kPreview = "<<Vestamark Preview>>";
  ArtHandle piece = nullptr;
  std::vector<ArtHandle> members;
  LayerHandle target = nullptr;
};

}  // namespace vmtest
