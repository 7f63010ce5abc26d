// Grouping and ungrouping the selected revision handles from the flyout.
#include <algorithm>

#include "panels/inf_flyout_scene.h"

namespace vmtest {
namespace {

class InfFlyoutGrouping : public InfFlyoutScene {
 protected:
  // Distance handle n points from (n, 0) to (n, 10 + n); its amounts read "n.<scale>".
  void PutHandles(std::initializer_list<int> slots, std::initializer_list<int> selected) {
    for (int n : slots)
      PutDistance(n, {double(n), 0}, {double(n), 10.0 + n}, n,
                  std::find(selected.begin(), selected.end(), n) != selected.end());
  }
  // The first slot each used handle came from (its p1.h), "g" when grouped.
  std::string Order() {
    std::string order;
    for (const RevisionHandle& h : globals().handles)
      if (h.kind != kHandleFree) order += std::to_string(int(h.line.p1.h)) + (h.groupId ? "g " : " ");
    return order;
  }
};

TEST_F(InfFlyoutGrouping, TheSelectedHandlesFollowTheFirstWithItsVectorAndAmount) {
  globals().currentScaleIndex = 1;
  PutHandles({0, 1, 2, 3, 4, 5, 6, 7, 8}, {2, 5, 7});
  Choose(1);
  const PluginGlobals& g = globals();
  EXPECT_EQ(Order(), "0 1 2g 5g 7g 3 4 6 8 ");
  const uint32_t id = g.handles[2].groupId;
  for (int s : {3, 4}) {
    const TwoPointHandleData& member = g.handles[s].line;
    EXPECT_EQ(g.handles[s].groupId, id);
    EXPECT_EQ(member.p2.v - member.p1.v, 12) << "the leader's vector";
    EXPECT_STREQ(member.amountExpr[1], "2.1");
    EXPECT_STRNE(member.amountExpr[0], "2.0") << "other presets keep their amounts";
  }
  EXPECT_EQ(vmhost::UndoText(), "グループ化の取り消し");

  // The group is stored with the piece.
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_fxh_conf_5").rfind("-2," + std::to_string(id) + ",", 0), 0u);
}

TEST_F(InfFlyoutGrouping, UngroupingAcrossAFreeSlotListsEveryHandleOnce) {
  PutHandles({0, 1, 2, 3, 5, 6}, {1, 5});
  globals().handles[1].groupId = globals().handles[5].groupId = 77;
  globals().handles[3].groupId = 78;
  Choose(2);
  EXPECT_EQ(Order(), "0 1 5 2 3g 6 ");
  EXPECT_EQ(globals().handles[6].kind, kHandleFree);
  EXPECT_EQ(vmhost::UndoText(), "グループ解除の取り消し");
}

TEST_F(InfFlyoutGrouping, HandlesOfAnotherKindThanTheFirstKeepTheirData) {
  PutHandles({0, 2}, {0, 2});
  globals().handles[2].kind = kHandleLength;
  RevisionHandle& point = globals().handles[1];
  std::memset(&point, 0, sizeof point);
  point.kind = kHandlePoint;
  point.listSelected = 1;
  std::strcpy(point.point.xExpr[0], "5");
  Choose(1);
  EXPECT_EQ(globals().handles[1].point.xExpr[0], std::string("5"));
  EXPECT_EQ(globals().handles[2].line.p2.v, 12) << "the length handle keeps its ends";
  EXPECT_STREQ(globals().handles[2].line.amountExpr[0], "2.0");
  EXPECT_NE(globals().handles[1].groupId, 0u);
}

}  // namespace
}  // namespace vmtest
