// An amount the user clears in a handle dialog: the handle then moves nothing,
// and keeps moving nothing when the piece is gathered again and when the
// document is saved and opened again.
#include <cstdlib>
#include <cstring>
#include <map>

#include "engine/grading_engine.h"
#include "panels/inf_list_scene.h"
#include "resources/handle_dialog_resource_ids.h"

namespace vmtest {
namespace {

class ClearedAmountTest : public InfListScene {
 protected:
  void TearDown() override {
    vmwin::ClearScript();
    InfListScene::TearDown();
  }
  // The line graded for the current preset: by every handle, or by none.
  std::vector<PathSegment> GradedLine(ArtHandle art, int32_t lastSlot) {
    std::vector<PathSegment> out;
    InModuleCall([&] {
      GradedSegment* graded = ComputeGradedSegments(art, lastSlot);
      if (graded == nullptr) return;
      out.assign(graded, graded + vmhost::Segments(art).size());
      std::free(graded);
    });
    return out;
  }
  static std::map<std::string, std::string> TagMap(ArtHandle art) {
    std::map<std::string, std::string> tags;
    for (const auto& [key, value] : vmhost::Tags(art)) tags[key] = value;
    return tags;
  }
};

TEST_F(ClearedAmountTest, AnAngleClearedInItsDialogStaysUnturnedAfterTheDocumentIsReopened) {
  globals().currentPresetSlot = 2;  // L, scale index 2
  RevisionHandle& made = TwoPoint(0, kHandleAngle, line, 1, line, 2);  // a new angle turns by 0
  for (auto& amount : made.line.amountExpr) std::strcpy(amount, "0");
  std::strcpy(made.line.amountExpr[2], "30");
  Rebuild();
  vmwin::ScriptDialog(kAngleDialogResource, {vmwin::SetText(kAmountPercentField, ""), vmwin::Click(IDOK)});
  vmwin::PerformUserAction(InfWindow(), vmwin::DoubleClickItem(1, 1));
  EXPECT_EQ(vmwin::ScriptStepsLeft(), 0u);
  std::map<std::string, std::string> tags = TagMap(piece);
  ASSERT_EQ(tags.count("vmk_grading_fxh_ratio_103"), 1u) << "the cleared amount is stored";
  EXPECT_EQ(tags["vmk_grading_fxh_ratio_103"], "");
  EXPECT_EQ(tags["vmk_grading_fxh_ratio_101"], "0");

  // The piece gathered again, as every change of the selection does.
  vmhost::SetSelected(piece, false);
  ASSERT_EQ(TickOnce(), kNoErr);
  vmhost::SetSelected(piece, true);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_STREQ(globals().handles[0].line.amountExpr[2], "");
  EXPECT_STREQ(globals().handles[0].line.amountExpr[0], "0");

  const std::string file = folders->root() + "/angle.svg";
  std::string error;
  ASSERT_TRUE(vmhost::SaveDocument(doc, file, &error)) << error;
  DocumentHandle reopened = vmhost::OpenDocument(file, &error);
  ASSERT_NE(reopened, nullptr) << error;
  ASSERT_EQ(TickOnce(), kNoErr);
  const std::vector<ArtHandle> groups = vmhost::Children(vmhost::FindLayer("Layer 1")->group);
  ASSERT_EQ(groups.size(), 1u);
  vmhost::SetSelected(groups[0], true);
  ASSERT_EQ(TickOnce(), kNoErr);
  ASSERT_EQ(globals().pieceArtCount, 3);
  const RevisionHandle& angle = globals().handles[0];
  ASSERT_EQ(angle.kind, kHandleAngle);
  EXPECT_EQ(globals().currentScaleIndex, 2);
  EXPECT_STREQ(angle.line.amountExpr[2], "");
  const std::vector<PathSegment> graded = GradedLine(angle.line.art1, kMaxHandles);
  const std::vector<PathSegment> unturned = GradedLine(angle.line.art1, -1);
  ASSERT_EQ(graded.size(), 4u);
  ASSERT_EQ(unturned.size(), 4u);
  for (size_t i = 0; i < graded.size(); ++i) {
    EXPECT_DOUBLE_EQ(graded[i].p.h, unturned[i].p.h) << i;
    EXPECT_DOUBLE_EQ(graded[i].p.v, unturned[i].p.v) << i;
  }
}

}  // namespace
}  // namespace vmtest
