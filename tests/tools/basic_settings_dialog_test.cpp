// The basic settings dialog opened from the Information flyout: what it shows,
// how its fields follow each other, and what OK and Cancel leave behind.
#include <functional>

#include "panels/inf_flyout_scene.h"

namespace vmtest {
namespace {

using namespace vmwin;

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
    std::strcpy(g.grading_title, "Front");
  }
};

TEST_F(BasicSettings, FieldsFollowTheLockAndTheUnitAndOkStoresThemWithTheGroup) {
  std::vector<std::string> shown;
  auto look = Do([&](HWND d) {
    char text[256];
    for (int id : {4, 5, 14, 7, 9, 10, 19, 21}) shown.push_back(GetDlgItemText(d, id, text, 256) ? text : "");
    shown.push_back(std::to_string(SendMessage(GetDlgItem(d, 19), CB_GETCOUNT, 0, 0)));
    shown.push_back(IsWindowEnabled(GetDlgItem(d, 7)) || IsWindowEnabled(GetDlgItem(d, 10)) ? "open"
                                                                                            : "shut");
  });
  ScriptDialog(16152, {look, SetText(7, "90"), Check(11, 1), SetText(9, "110"), PickItem(24, 2), look,
                       PickItem(24, 1), SetText(19, "75"), PressEnter()});
  Choose(4);
  EXPECT_EQ(shown,
            (std::vector<std::string>{"25.40", "50.80",  "mm",     "45.00", "120.00", "130.00", "100.00",
                                      "Front", "10",     "open",   "1.00",  "2.00",   "in",     "90",
                                      "110",   "110.00", "100.00", "Front", "10",     "shut"}));
  const PluginGlobals& g = globals();
  EXPECT_NEAR(g.grading_angle, 1.570796, 1e-9);
  EXPECT_EQ(g.presetScale[2].h, 1.1);
  EXPECT_EQ(g.presetScale[2].v, 1.1);
  EXPECT_EQ(g.grading_hvlock, 1);
  EXPECT_EQ(g.groupPresetScale[2].v, 1.1) << "the pair goes with the group";
  EXPECT_EQ(g.grading_compscale, 0.75);
  EXPECT_EQ(g.grading_unit, 1);
  EXPECT_EQ(g.unitPerPoint, 0.035277777777777776);
  EXPECT_STREQ(g.unitName, "cm");
  EXPECT_NEAR(g.grading_origin.v, 144, 1e-9);
  EXPECT_EQ(vmhost::UndoText(), "基本設定の取り消し");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_compscale"), "0.75");
}

// Every graded length is divided by the compilation scale and multiplied by
// the standard scale: 0 or a text that is no number in any of them is refused
// on OK with a beep, the old scale shown again and the dialog left open.
TEST_F(BasicSettings, ScalesOfZeroOrNoNumberAreRefused) {
  const struct {
    int field;
    const char* shownBefore;
    const char* typed;
    std::function<double()> stored;
    double expected;
  } fields[] = {
      {19, "50.00", "150", [&] { return globals().grading_compscale; }, 1.5},
      {9, "120.00", "140", [&] { return globals().presetScale[2].h; }, 1.4},
      {10, "130.00", "90", [&] { return globals().presetScale[2].v; }, 0.9},
  };
  for (const auto& f : fields) {
    SCOPED_TRACE(f.field);
    globals().grading_compscale = 0.5;
    globals().presetScale[2] = {1.2, 1.3};
    std::vector<std::string> shown;
    auto look = Do([&](HWND d) {
      char text[256];
      shown.push_back(GetDlgItemText(d, f.field, text, 256) ? text : "");
    });
    const int beeps = BeepCount();
    ScriptDialog(16152, {SetText(f.field, "0"), PressEnter(), look, SetText(f.field, "abc"), PressEnter(), look,
                         SetText(f.field, f.typed), PressEnter()});
    Choose(4);
    EXPECT_EQ(BeepCount() - beeps, 2);
    EXPECT_EQ(shown, (std::vector<std::string>{f.shownBefore, f.shownBefore}));
    EXPECT_EQ(ShownDialogs().back().result, IDOK);
    EXPECT_EQ(f.stored(), f.expected);
    EXPECT_EQ(globals().presetScale[2].v, f.field == 10 ? 0.9 : 1.3) << "unlocked, only the field typed changes";

    ScriptDialog(16152, {SetText(f.field, "0"), PressEnter(), PressEscape()});
    Choose(4);
    EXPECT_EQ(f.stored(), f.expected);
  }
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_compscale"), "0.5");
}

TEST_F(BasicSettings, CancelChangesNothingAndALongNameIsCutBeforeADoubleByteCharacter) {
  const std::string angleTag = vmhost::Tag(piece, "vmk_grading_angle");
  ScriptDialog(16152,
               {SetText(4, "1"), SetText(9, "300"), PickItem(24, 2), SetText(21, "Back"), PressEscape()});
  Choose(4);
  const PluginGlobals& g = globals();
  EXPECT_EQ(g.grading_origin.h, 72);
  EXPECT_EQ(g.presetScale[2].h, 1.2);
  EXPECT_EQ(g.grading_unit, 0);
  EXPECT_STREQ(g.grading_title, "Front");
  EXPECT_EQ(vmhost::UndoText(), "");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_angle"), angleTag);

  globals().language = 1;  // 79 letters and "名", which would end past the 80th byte
  ScriptDialog(17152, {SetText(21, std::string(79, 'a') + "\226\274"), PressEnter()});
  Choose(4);
  EXPECT_EQ(std::string(g.grading_title), std::string(79, 'a'));
  EXPECT_EQ(vmhost::UndoText(), "Undo Basic settings");

  globals().grading_hvlock = 1;  // locked over a pair stored unlocked: OK makes it even
  ScriptDialog(17152, {PressEnter()});
  Choose(4);
  EXPECT_EQ(g.presetScale[2].v, 1.2);
}

}  // namespace
}  // namespace vmtest
