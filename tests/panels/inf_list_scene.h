// The Information panel over a selected piece (an open line, a square and a
// circle), handles written straight into the table, and the list's painting
// read back from the recorded drawing.
#pragma once

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "panels/inf_panel_list.h"
#include "panels/panel_scene.h"
#include "store/grading_group_tags.h"
#include "support/module_suites.h"

namespace vmtest {

class InfListScene : public PanelScene {
 protected:
  void SetUp() override {
    PanelScene::SetUp();
    {
      ModuleSuites suites;
      piece = vmhost::AddGroup();
      line = vmhost::AddPolyline(piece, {{0, 0}, {100, 0}, {200, 0}, {300, 0}}, false);
      square = vmhost::AddPolyline(piece, {{0, 100}, {100, 100}, {100, 200}, {0, 200}}, true);
      std::vector<PathSegment> arcs;  // quarter arcs of radius 50 about (300, 300)
      for (int i = 0; i < 4; ++i) {
        const double c = std::cos(i * M_PI / 2), s = std::sin(i * M_PI / 2), k = 0.5522847498 * 50;
        arcs.push_back({{300 + 50 * c, 300 + 50 * s},
                        {300 + 50 * c + k * s, 300 + 50 * s - k * c},
                        {300 + 50 * c - k * s, 300 + 50 * s + k * c},
                        0});
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

  RevisionHandle& TwoPoint(int slot, int16_t kind, ArtHandle art1, int32_t i1, ArtHandle art2, int32_t i2,
                           const char* amount = "0", uint32_t group = 0) {
    RevisionHandle& h = globals().handles[slot];
    h = RevisionHandle{0, group, "", kind, 0, 0, 0, {}};
    h.line = TwoPointHandleData{{}, {}, art1, art2, i1, i2, {}};
    if (art1 != nullptr) h.line.p1 = vmhost::Segments(art1).at(i1).p;
    if (art2 != nullptr) h.line.p2 = vmhost::Segments(art2).at(i2).p;
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

  void Rebuild() {
    InModuleCall([] { RebuildInfList(); });
  }
  HWND List() { return Control(InfWindow(), 1); }
  std::vector<int> RowData() {
    std::vector<int> data;
    for (int row = 0; row < SendMessage(List(), LB_GETCOUNT, 0, 0); ++row)
      data.push_back(static_cast<int>(SendMessage(List(), LB_GETITEMDATA, row, 0)));
    return data;
  }
  bool FlyoutEnabled(uint32_t id) {
    for (const FlyoutItem& item : vmhost::FlyoutItems(InfPanel()))
      if (item.id == id) return item.enabled;
    return false;
  }

  // Every row painted afresh; what was drawn of one kind on a row, in order.
  void Paint() {
    vmwin::ClearDrawing(List());
    InvalidateRect(List(), nullptr, FALSE);
    vmwin::PaintInvalidWindows();
  }
  std::vector<vmwin::DrawRecord> Row(int row, vmwin::DrawRecord::Op op) {
    std::vector<vmwin::DrawRecord> out;
    for (const vmwin::DrawRecord& r : vmwin::DrawingOf(List())) {
      const bool shape = op == vmwin::DrawRecord::Op::Icon || op == vmwin::DrawRecord::Op::FillRect;
      const int y = shape ? r.rect.top + 16 : r.from.y;
      if (r.op == op && y >= row * 40 && y < row * 40 + 40) out.push_back(r);
    }
    return out;
  }
  std::vector<std::string> Texts(int row) {
    std::vector<std::string> texts;
    for (const vmwin::DrawRecord& r : Row(row, vmwin::DrawRecord::Op::Text)) texts.push_back(r.text);
    return texts;
  }
  std::vector<int> Icons(int row) {
    std::vector<int> ids;
    for (const vmwin::DrawRecord& r : Row(row, vmwin::DrawRecord::Op::Icon)) ids.push_back(r.resourceId);
    return ids;
  }
  static std::string Mm(double points) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2fmm", points * 25.4 / 72);
    return text;
  }

  ArtHandle piece = nullptr, line = nullptr, square = nullptr, circle = nullptr;
};

}  // namespace vmtest
