// "Update grading" over a piece whose handle has a faulty amount: opening the
// dialog, each choice in it and OK are each one action with one alert, though
// every one of them grades the piece for several sizes.
#include <cstring>
#include <string>

#include "engine/update_grading_scene.h"

namespace vmtest {
namespace {

class UpdateGradingAlerts : public UpdateGradingScene {
 protected:
  void SetUp() override {
    UpdateGradingScene::SetUp();
    RevisionHandle& h = globals().handles[0];
    h.kind = kHandleDistance;
    h.line = {{0, 0}, {0, 60}, members[0], members[1], 0, 0, {}};
    for (auto& amount : h.line.amountExpr) std::strcpy(amount, "nosuch(1)");
    InModuleCall([this] { SaveGradingGroup(globals().pieceArts, globals().pieceArtCount, 1); });
  }
  size_t ScriptErrors() {
    size_t count = 0;
    for (const std::string& text : AlertTexts()) count += text.rfind("Script Error!", 0) == 0;
    return count;
  }
};

TEST_F(UpdateGradingAlerts, OpeningEachChoiceAndOKAlertOnceEach) {
  HWND panel = vmhost::FindPanel("Vestamark_INF_PANEL")->window;
  ASSERT_NE(panel, nullptr);
  vmwin::AdvanceTime(500);  // the panel's own timer enables its update button
  vmwin::DispatchPostedMessages();
  ASSERT_TRUE(IsWindowEnabled(GetDlgItem(panel, 6)));
  vmhost::ClearRecordings();
  size_t opened = 0, chosen = 0;
  vmwin::ScriptDialog(kDialog, {Look([&](HWND) { opened = ScriptErrors(); }), vmwin::Click(4),
                                Look([&](HWND) { chosen = ScriptErrors(); }), vmwin::PressEnter()});
  vmwin::PerformUserAction(panel, vmwin::Click(6));
  ASSERT_FALSE(vmwin::ShownDialogs().empty());
  EXPECT_EQ(vmwin::ShownDialogs().back().result, IDOK);
  EXPECT_EQ(opened, 1u);
  EXPECT_EQ(chosen, 2u);  // every set previewed
  EXPECT_EQ(ScriptErrors(), 3u);
  EXPECT_NE(vmhost::FindLayer("LL"), nullptr) << "written for every size";
}

}  // namespace
}  // namespace vmtest
