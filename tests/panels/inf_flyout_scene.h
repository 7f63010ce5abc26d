// A selected piece with its grading group, the distance tool in hand and the
// Information panel's flyout menu to choose from.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/suite_pointers.h"
#include "panels/panel_scene.h"
#include "store/grading_group_tags.h"

namespace vmtest {

class InfFlyoutScene : public PanelScene {
 protected:
  void SetUp() override {
    PanelScene::SetUp();
    piece = vmhost::AddGroup();
    outlines = {vmhost::AddPolyline(piece, {{0, 0}, {200, 0}, {200, 100}, {0, 100}}, true),
                vmhost::AddPolyline(piece, {{50, 20}, {150, 20}}, false)};
    InModuleCall([&] { SaveGradingGroup(outlines.data(), 2, 1); });
    vmhost::SetSelected(piece, true);
    ASSERT_EQ(TickOnce(), kNoErr);
    ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);
    vmhost::ClearRecordings();
  }

  void Choose(uint32_t item) { ASSERT_TRUE(vmhost::ChooseFlyoutItem(InfPanel(), item)); }
  // As the list does when the user selects handles that can be grouped.
  void EnableItem(uint32_t item) {
    InModuleCall([&] { sAIPanelFlyoutMenu->SetItemEnabled(globals().infFlyout, item, 1); });
  }

  // A distance handle whose amount for preset scale i reads "<amount>.<i>".
  RevisionHandle& PutDistance(int slot, RealPoint p1, RealPoint p2, int amount, bool selected = false) {
    RevisionHandle& h = globals().handles[slot];
    std::memset(&h, 0, sizeof h);
    h.kind = kHandleDistance;
    h.listSelected = selected ? 1 : 0;
    h.line.p1 = p1;
    h.line.p2 = p2;
    for (int i = 0; i < kMaxPresets; ++i) std::snprintf(h.line.amountExpr[i], kExprSize, "%d.%d", amount, i);
    return h;
  }

  // The preset items as "name" or "name*" when checked.
  std::vector<std::string> PresetItems() {
    std::vector<std::string> items;
    for (const FlyoutItem& item : vmhost::FlyoutItems(InfPanel()))
      if (item.id >= 12)
        items.push_back(std::string(item.text.begin(), item.text.end()) + (item.checked ? "*" : ""));
    return items;
  }

  ArtHandle piece = nullptr;
  std::vector<ArtHandle> outlines;
};

}  // namespace vmtest
