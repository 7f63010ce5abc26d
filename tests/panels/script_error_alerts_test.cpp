// A faulty amount reaches the user as one "Script Error!" alert per thing he
// does, however often the rebuild that follows evaluates it, and never while
// the Information list is painted.
#include "panels/inf_list_scene.h"

using namespace vmtest;

namespace {

class ScriptErrorAlerts : public InfListScene {
 protected:
  // A point handle on the line whose X calls a function there is not, stored with the piece.
  void StoreFaultyPointHandle() {
    RevisionHandle& h = Point(0, line, 1);
    for (int s = 0; s < kMaxPresets; ++s) {
      std::strcpy(h.point.xExpr[s], "nosuch(1)");
      std::strcpy(h.point.yExpr[s], "0");
    }
    InModuleCall([this] { SaveGradingGroup(globals().pieceArts, globals().pieceArtCount, 1); });
    vmhost::ClearRecordings();
  }
  size_t ScriptErrors() {
    size_t count = 0;
    for (const std::string& text : AlertTexts()) count += text.rfind("Script Error!", 0) == 0;
    return count;
  }
};

TEST_F(ScriptErrorAlerts, EachRebuildOfAThreePathPieceAlertsOnceAndPaintingNever) {
  StoreFaultyPointHandle();
  // Choosing a revision tool grades the three paths, each through the handle's six coordinates.
  ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);
  ASSERT_EQ(globals().handles[0].kind, kHandlePoint);
  EXPECT_EQ(ScriptErrors(), 1u);
  ASSERT_FALSE(AlertTexts().empty());
  EXPECT_NE(AlertTexts()[0].find("command not found(nosuch)"), std::string::npos) << AlertTexts()[0];

  vmhost::SetZoom(2);  // the next tick draws the preview again: a second action
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(ScriptErrors(), 2u);

  Rebuild();
  Paint();
  Paint();
  EXPECT_EQ(ScriptErrors(), 2u);
  EXPECT_FALSE(Texts(1).empty()) << "the row is painted all the same";
}

}  // namespace
