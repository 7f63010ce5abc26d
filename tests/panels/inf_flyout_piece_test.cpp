// The flyout's commands on the whole piece: grouping and ungrouping the
// selected handles, and removing the plug-in's tags.
#include <algorithm>

#include "panels/inf_flyout_scene.h"

namespace vmtest {
namespace {

class InfFlyoutPiece : public InfFlyoutScene {
 protected:
  // Distance handle n points from (n, 0) to (n, 10 + n); its amounts read "n.<scale>".
  void PutHandles(std::initializer_list<int> slots, std::initializer_list<int> selected) {
    for (int n : slots)
      PutDistance(n, {double(n), 0}, {double(n), 10.0 + n}, n,
                  std::count(selected.begin(), selected.end(), n));
  }
  // The slot each used handle came from (its p1.h), "g" when grouped.
  std::string Order() {
    std::string order;
    for (const RevisionHandle& h : globals().handles)
      if (h.kind != kHandleFree) order += std::to_string(int(h.line.p1.h)) + (h.groupId ? "g " : " ");
    return order;
  }
};

TEST_F(InfFlyoutPiece, TheSelectedHandlesFollowTheFirstWithItsVectorAndAmount) {
  globals().currentScaleIndex = 1;
  PutHandles({0, 1, 2, 3, 4, 5, 6, 7, 8}, {2, 5, 7});
  EnableItem(1);
  Choose(1);
  EXPECT_EQ(Order(), "0 1 2g 5g 7g 3 4 6 8 ");
  const uint32_t id = globals().handles[2].groupId;
  for (int s : {3, 4}) {  // the leader's id, vector and current amount; other presets keep theirs
    const RevisionHandle& m = globals().handles[s];
    EXPECT_EQ(m.groupId, id) << s;
    EXPECT_EQ(m.line.p2.v - m.line.p1.v, 12) << s;
    EXPECT_STREQ(m.line.amountExpr[1], "2.1") << s;
    EXPECT_EQ(m.line.amountExpr[0], std::to_string(int(m.line.p1.h)) + ".0") << s;
  }
  EXPECT_EQ(vmhost::UndoText(), "グループ化の取り消し");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_fxh_conf_5").rfind("-2," + std::to_string(id) + ",", 0), 0u);
}

TEST_F(InfFlyoutPiece, UngroupingAcrossAFreeSlotListsEveryHandleOnceAndOtherKindsKeepTheirData) {
  PutHandles({0, 1, 2, 3, 5, 6}, {1, 5});
  globals().handles[1].groupId = globals().handles[5].groupId = 77;
  globals().handles[3].groupId = 78;
  globals().handles[5].kind = kHandleLength;
  EnableItem(2);
  Choose(2);
  EXPECT_EQ(Order(), "0 1 5 2 3g 6 ");
  EXPECT_EQ(globals().handles[2].line.p1.v, 0) << "a length handle is not aligned with a distance handle";
  EXPECT_EQ(globals().handles[6].kind, kHandleFree);
  EXPECT_EQ(vmhost::UndoText(), "グループ解除の取り消し");
}

TEST_F(InfFlyoutPiece, GroupedPointHandlesTakeTheLeadersOffsetsAndADistanceHandleKeepsItsEnds) {
  PutHandles({0, 1, 2}, {0, 1, 2});
  for (int s : {0, 1}) {
    RevisionHandle& h = globals().handles[s];
    h.kind = kHandlePoint;
    h.point = PointHandleData{};
    std::snprintf(h.point.xExpr[0], kExprSize, "x%d", s);
    std::snprintf(h.point.yExpr[0], kExprSize, "y%d", s);
  }
  EnableItem(1);
  Choose(1);
  EXPECT_STREQ(globals().handles[1].point.xExpr[0], "x0");
  EXPECT_STREQ(globals().handles[1].point.yExpr[0], "y0");
  EXPECT_EQ(globals().handles[2].line.p1.v, 0);
}

std::string Keys(ArtHandle art) {
  std::string keys;
  for (const auto& [key, value] : vmhost::Tags(art))
    if (key.rfind("vmk_grading_fxh_ratio_", 0) != 0) keys += key + " ";
  return keys;
}

TEST_F(InfFlyoutPiece, OnlyThePluginsTagsLeaveThePieceAndOnlyWhenTheUserAgrees) {
  PutDistance(0, {0, 0}, {0, 10}, 1);
  InModuleCall([&] {
    SaveGradingGroup(globals().pieceArts, globals().pieceArtCount, 0);
    for (ArtHandle art : {piece, outlines[0]})
      for (const char* key : {"vmk_simple_grading_object_type", "vmk_gradingx", "other"})
        sAITag->SetTag(art, key, "1");
  });
  const std::string before = Keys(piece);
  vmhost::QueueAlertAnswer(0);
  Choose(5);
  EXPECT_EQ(Keys(piece), before);
  EXPECT_EQ(vmhost::UndoText(), "");
  EXPECT_EQ(vmhost::Alerts().at(0).text.rfind("オブジェクトタグを削除します。", 0), 0u);

  vmhost::QueueAlertAnswer(1);
  Choose(5);
  EXPECT_EQ(Keys(piece), "vmk_gradingx other ");
  EXPECT_EQ(Keys(outlines[0]), "vmk_gradingx other ");
  EXPECT_EQ(Keys(outlines[1]), "");
  EXPECT_EQ(globals().handles[0].kind, kHandleFree) << "nothing comes back with the next load";
  EXPECT_EQ(vmhost::UndoText(), "オブジェクトタグ削除の取り消し");
}

}  // namespace
}  // namespace vmtest
