// The Information panel over a selected piece (an open line, a square and a
// circle), with handles written straight into the table and the list's
// painting read back from the recorded drawing.
#pragma once

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "engine/grading_engine.h"
#include "store/grading_group_tags.h"
#include "panels/inf_panel_list.h"
#include "panels/panel_scene.h"
#include "support/module_suites.h"

namespace vmtest {

class InfListScene : public PanelScene {
 protected:
  void SetUp() override {
    PanelScene::SetUp();
    {
      ModuleSuites suites;
      LayerHandle layer = nullptr;
      ArtHandle layerGroup = nullptr;
      sAILayer->GetCurrentLayer(&layer);
      sAILayer->GetFirstArtOfLayer(layer, &layerGroup);
      piece = vmhost::AddGroup(layerGroup);
      line = vmhost::AddPolyline(piece, {{0, 0}, {100, 0}, {200, 0}, {300, 0}}, false);
      square = vmhost::AddPolyline(piece, {{0, 100}, {100, 100}, {100, 200}, {0, 200}}, true);
      std::vector<PathSegment> arcs;  // four quarter arcs of radius 50
      for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2, k = 0.5522847498 * 50;
        const RealPoint p{300 + 50 * std::cos(a), 300 + 50 * std::sin(a)}, t{-std::sin(a), std::cos(a)};
        arcs.push_back({p, {p.h - k * t.h, p.v - k * t.v}, {p.h + k * t.h, p.v + k * t.v}, 0});
      }
      circle = vmhost::AddPath(piece, arcs, true);
      std::vector<ArtHandle> arts{line, square, circle};
      SaveGradingGroup(arts.data(), 3, 1);  // a piece carries its group
    }
    vmhost::SetSelected(piece, true);
    ASSERT_EQ(TickOnce(), kNoErr);
    ASSERT_EQ(globals().pieceArtCount, 3);
    PluginGlobals& g = globals();
    std::memset(g.handles, 0, sizeof g.handles);
    g.grading_origin = {0, 0};
    g.grading_angle = 0;
    g.grading_unit = 0;
    g.grading_compscale = 1.0;
    g.currentScaleIndex = 2;
    g.presetScale[2] = {1.2, 1.0};
    vmhost::ClearRecordings();
  }

  RevisionHandle& TwoPoint(int slot, int16_t kind, ArtHandle art1, int32_t index1, ArtHandle art2, int32_t index2,
                           const char* amount = "0", uint32_t group = 0) {
    RevisionHandle& h = globals().handles[slot];
    h = RevisionHandle{0, group, "", kind, 0, 0, 0, {}};
    h.line = TwoPointHandleData{Anchor(art1, index1), Anchor(art2, index2), art1, art2, index1, index2, {}};
    std::strcpy(h.line.amountExpr[2], amount);
    return h;
  }
  RevisionHandle& Point(int slot, ArtHandle art, int32_t index, uint32_t group = 0) {
    RevisionHandle& h = globals().handles[slot];
    h = RevisionHandle{0, group, "", kHandlePoint, 0, 0, 0, {}};
    h.point.art = art;
    h.point.anchorIndex = index;
    return h;
  }
  static RealPoint Anchor(ArtHandle art, int32_t index) {
    return art != nullptr ? vmhost::Segments(art).at(index).p : RealPoint{0, 0};
  }

  // What the module does after changing the table: inside a host call.
  void Rebuild() {
    InModuleCall([] { RebuildInfList(); });
  }
  HWND List() { return Control(InfWindow(), 1); }
  std::vector<int> RowData() {
    std::vector<int> data;
    const auto rows = SendMessage(List(), LB_GETCOUNT, 0, 0);
    for (int row = 0; row < rows; ++row) data.push_back(static_cast<int>(SendMessage(List(), LB_GETITEMDATA, row, 0)));
    return data;
  }

  // Every row painted afresh; the texts and icons drawn on row `row`, in order.
  void Paint() {
    vmwin::ClearDrawing(List());
    InvalidateRect(List(), nullptr, FALSE);
    vmwin::PaintInvalidWindows();
  }
  std::vector<vmwin::DrawRecord> Row(int row, vmwin::DrawRecord::Op op) {
    std::vector<vmwin::DrawRecord> out;
    for (const vmwin::DrawRecord& r : vmwin::DrawingOf(List())) {
      const int y = op == vmwin::DrawRecord::Op::Text ? r.from.y : r.rect.top + 16;
      if (r.op == op && y >= row * 40 && y < row * 40 + 40) out.push_back(r);
    }
    return out;
  }
  std::vector<std::string> Texts(int row) {
    std::vector<std::string> texts;
    for (const vmwin::DrawRecord& r : Row(row, vmwin::DrawRecord::Op::Text)) texts.push_back(r.text);
    return texts;
  }
  // The text drawn on row `row` that starts so, with where and how it was drawn.
  vmwin::DrawRecord TextStarting(int row, const std::string& start) {
    for (const vmwin::DrawRecord& r : Row(row, vmwin::DrawRecord::Op::Text))
      if (r.text.rfind(start, 0) == 0) return r;
    ADD_FAILURE() << "no text \"" << start << "\" on row " << row;
    return {};
  }
  std::vector<int> Icons(int row) {
    std::vector<int> ids;
    for (const vmwin::DrawRecord& r : Row(row, vmwin::DrawRecord::Op::Icon)) ids.push_back(r.resourceId);
    return ids;
  }
  std::string Mm(double points) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2fmm", points * 25.4 / 72);
    return text;
  }
  bool FlyoutEnabled(uint32_t id) {
    for (const FlyoutItem& item : vmhost::FlyoutItems(InfPanel()))
      if (item.id == id) return item.enabled;
    return false;
  }

  ArtHandle piece = nullptr, line = nullptr, square = nullptr, circle = nullptr;
};

}  // namespace vmtest
