// Removing the plug-in's tags from the current piece.
#include "panels/inf_flyout_scene.h"

namespace vmtest {
namespace {

using InfFlyoutTags = InfFlyoutScene;

std::string Keys(ArtHandle art) {
  std::string keys;
  for (const auto& [key, value] : vmhost::Tags(art))
    if (key.rfind("vmk_grading_fxh_ratio_", 0) != 0) keys += key + " ";
  return keys;
}

TEST_F(InfFlyoutTags, OnlyThePluginsTagsLeaveThePieceAndOnlyWhenTheUserAgrees) {
  PutDistance(0, {0, 0}, {0, 10}, 1);
  InModuleCall([&] { SaveGradingGroup(globals().pieceArts, globals().pieceArtCount, 0); });
  InModuleCall([&] {
    for (ArtHandle art : {piece, outlines[0]})
      for (const char* key : {"vmk_simple_grading_object_type", "vmk_gradingx", "other"})
        sAITag->SetTag(art, key, "1");
  });
  const std::string before = Keys(piece);
  vmhost::QueueAlertAnswer(0);
  Choose(5);
  EXPECT_EQ(Keys(piece), before);
  EXPECT_EQ(vmhost::UndoText(), "");
  ASSERT_EQ(vmhost::Alerts().size(), 1u);
  EXPECT_EQ(vmhost::Alerts()[0].text.rfind("オブジェクトタグを削除します。", 0), 0u);

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
