// A started module with one document, paths the user selects between timer
// ticks, and graded pieces whose grading group is stored in their tags.
#pragma once

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/host_driver.h"
#include "shell/held_suites.h"
#include "store/grading_group_tags.h"
#include "support/module_fixture.h"

namespace vmtest {

class TimerScene : public ModuleTest {
 protected:
  static LayerHandle CurrentLayer() {
    HeldSuites suites;
    LayerHandle layer = nullptr;
    sAILayer->GetCurrentLayer(&layer);
    return layer;
  }
  static ArtHandle LayerGroup(LayerHandle layer = nullptr) {
    if (layer == nullptr) layer = CurrentLayer();
    HeldSuites suites;
    ArtHandle group = nullptr;
    sAILayer->GetFirstArtOfLayer(layer, &group);
    return group;
  }
  // A closed rectangle, or an open polyline of `segments` points along y = bottom.
  static ArtHandle Rect(ArtHandle parent, double left, double bottom, double right, double top) {
    return vmhost::AddPolyline(parent, {{left, bottom}, {right, bottom}, {right, top}, {left, top}}, true);
  }
  static ArtHandle Line(ArtHandle parent, int points, double y = 0) {
    std::vector<RealPoint> p;
    for (int i = 0; i < points; ++i) p.push_back({10.0 * i, y});
    return vmhost::AddPolyline(parent, p, false);
  }

  // Stores a grading group on the arts, as a revision tool's edit does.
  void StoreGroup(const std::vector<ArtHandle>& arts, RealPoint origin = {0, 0}) {
    HeldSuites suites;
    globals().grading_origin = origin;
    std::vector<ArtHandle> copy = arts;
    SaveGradingGroup(copy.data(), static_cast<int32_t>(copy.size()), 1);
  }
  // A group of two rectangles carrying a stored grading group.
  ArtHandle GradedPiece(LayerHandle layer = nullptr) {
    ArtHandle piece = vmhost::AddGroup(LayerGroup(layer));
    StoreGroup({Rect(piece, 0, 0, 100, 50), Rect(piece, 0, 60, 100, 120)});
    return piece;
  }

  static void Select(const std::vector<ArtHandle>& arts, bool selected = true) {
    for (ArtHandle a : arts) vmhost::SetSelected(a, selected);
  }
  ToolHandle RevisionTool() { return globals().toolHandles[1]; }

  static int CountLayersTitled(const char* title) {
    HeldSuites suites;
    int32_t count = 0, found = 0;
    sAILayer->CountLayers(&count);
    for (int32_t n = 0; n < count; ++n) {
      LayerHandle layer = nullptr;
      sAILayer->GetNthLayer(n, &layer);
      if (vmhost::LayerTitle(layer) == title) ++found;
    }
    return found;
  }
  static LayerHandle TopLayer() {
    HeldSuites suites;
    LayerHandle layer = nullptr;
    sAILayer->GetNthLayer(0, &layer);
    return layer;
  }

  // The graded copies the preview shows on the preview layer.
  static std::vector<ArtHandle> PreviewCopies() {
    std::vector<ArtHandle> copies;
    LayerHandle layer = vmhost::FindLayer(kPreview);
    if (layer == nullptr) return copies;
    for (ArtHandle group : vmhost::Children(LayerGroup(layer))) {
      for (ArtHandle art : vmhost::Children(group)) {
        if (!vmhost::Segments(art).empty()) copies.push_back(art);
      }
    }
    return copies;
  }
  // The anchors of every copy, in order.
  static std::vector<std::pair<double, double>> PreviewAnchors() {
    std::vector<std::pair<double, double>> anchors;
    for (ArtHandle copy : PreviewCopies()) {
      for (const PathSegment& s : vmhost::Segments(copy)) anchors.emplace_back(s.p.h, s.p.v);
    }
    return anchors;
  }

  std::vector<ArtHandle> Piece() {
    return {globals().pieceArts, globals().pieceArts + globals().pieceArtCount};
  }
  // Gatherings set the zoom again; a value no view has shows that none ran.
  void MarkNoRefresh() { globals().lastZoom = kUntouchedZoom; }
  bool Refreshed() { return globals().lastZoom != kUntouchedZoom; }

  static constexpr double kUntouchedZoom = -77.0;
  static constexpr const char* kPreview = "<<Vestamark Preview>>";
};

}  // namespace vmtest
