// The basic settings dialog opened from the Information flyout: what it shows,
// how its fields follow each other, and what OK and Cancel leave behind.
#include <cmath>

#include "panels/inf_flyout_scene.h"

namespace vmtest {
namespace {

using vmwin::Check;
using vmwin::Do;
using vmwin::PickItem;
using vmwin::SetText;

std::string Text(HWND dialog, int id) {
  char text[256] = "";
  GetDlgItemText(dialog, id, text, sizeof text);
  return text;
}

class BasicSettings : public InfFlyoutScene {
 protected:
  void SetUp() override {
    InfFlyoutScene::SetUp();
    PluginGlobals& g = globals();
    g.grading_origin = {72, 144};
    g.grading_angle = 3.141592 / 4;
    g.currentScaleIndex = 2;
    g.presetScale[2] = {1.2, 1.3};
    g.grading_hvlock = 0;
    g.grading_compscale = 1;
    std::strcpy(g.grading_title, "Front");
  }
  // Runs the flyout's "Basic settings..." with the user's steps.
  void Run(std::vector<vmwin::UserAction> steps) {
    vmwin::ScriptDialog(16152, std::move(steps));
    Choose(4);
  }
};

TEST_F(BasicSettings, TheFieldsShowTheSettingsAndTheLockCopiesTheHorizontalScale) {
  std::vector<std::string> shown, locked;
  auto look = [](std::vector<std::string>& into) {
    return Do([&into](HWND d) {
      for (int id : {4, 5, 14, 7, 9, 10, 19, 21}) into.push_back(Text(d, id));
      into.push_back(std::to_string(SendMessage(GetDlgItem(d, 19), CB_GETCOUNT, 0, 0)));
      into.push_back(IsWindowEnabled(GetDlgItem(d, 7)) && IsWindowEnabled(GetDlgItem(d, 10)) ? "open"
                                                                                             : "shut");
    });
  };
  Run({look(shown), SetText(7, "90"), Check(11, 1), SetText(9, "110"), look(locked), SetText(19, "75"),
       vmwin::PressEnter()});
  EXPECT_EQ(shown, (std::vector<std::string>{"25.40", "50.80", "mm", "45.00", "120.00", "130.00", "100.00",
                                             "Front", "10", "open"}));
  EXPECT_EQ(locked[5], "110.00");
  EXPECT_EQ(locked[9], "shut");

  const PluginGlobals& g = globals();
  EXPECT_NEAR(g.grading_angle, 1.570796, 1e-9);
  EXPECT_EQ(g.presetScale[2].h, 1.1);
  EXPECT_EQ(g.presetScale[2].v, 1.1);
  EXPECT_EQ(g.groupPresetScale[2].v, 1.1) << "the pair goes with the group";
  EXPECT_EQ(g.grading_compscale, 0.75);
  EXPECT_EQ(g.grading_hvlock, 1);
  EXPECT_EQ(vmhost::UndoText(), "基本設定の取り消し");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_compscale"), "0.75");
}

TEST_F(BasicSettings, TheOriginFieldsFollowTheUnitAndOkStoresTheUnit) {
  std::vector<std::string> seen;
  auto look = Do([&](HWND d) { seen.push_back(Text(d, 4) + " " + Text(d, 14)); });
  Run({look, PickItem(24, 2), look, PickItem(24, 1), look, vmwin::PressEnter()});
  EXPECT_EQ(seen, (std::vector<std::string>{"25.40 mm", "1.00 in", "2.54 cm"}));
  const PluginGlobals& g = globals();
  EXPECT_EQ(g.grading_unit, 1);
  EXPECT_EQ(g.unitPerPoint, 0.035277777777777776);
  EXPECT_STREQ(g.unitName, "cm");
  EXPECT_NEAR(g.grading_origin.h, 72, 1e-9);
  EXPECT_NEAR(g.grading_origin.v, 144, 1e-9);
}

TEST_F(BasicSettings, CancelChangesNothingAndLeavesNoUndoStep) {
  const std::string tags = vmhost::Tag(piece, "vmk_grading_angle");
  Run({SetText(4, "1"), SetText(9, "300"), PickItem(24, 2), SetText(21, "Back"), vmwin::PressEscape()});
  const PluginGlobals& g = globals();
  EXPECT_EQ(g.grading_origin.h, 72);
  EXPECT_EQ(g.presetScale[2].h, 1.2);
  EXPECT_EQ(g.grading_unit, 0);
  EXPECT_STREQ(g.grading_title, "Front");
  EXPECT_EQ(vmhost::UndoText(), "");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_angle"), tags);
}

TEST_F(BasicSettings, ALongNameIsCutBeforeADoubleByteCharacterThatWouldNotFit) {
  globals().language = 1;
  // 79 letters and "名" (two bytes): the character would end past 80.
  const std::string name = std::string(79, 'a') + "\226\274";
  vmwin::ScriptDialog(17152, {SetText(21, name), vmwin::PressEnter()});
  Choose(4);
  EXPECT_EQ(std::string(globals().grading_title), std::string(79, 'a'));
  EXPECT_EQ(vmhost::UndoText(), "Undo Basic settings");
}

}  // namespace
}  // namespace vmtest
