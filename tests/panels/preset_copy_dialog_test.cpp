// The copy preset dialog: the enabled presets offered, the one proposed, and
// the name handed back.
#include "preset_dialog_scene.h"

namespace vmtest {
namespace {

using namespace vmwin;

constexpr int kCopy = kCopyPresetDialogResource;

class PresetCopyDialogTest : public PresetDialogScene {
 protected:
  void SetUp() override {
    PresetDialogScene::SetUp();
    SetPresets({{"S", 0, 0}, {"M", 1, 1}, {"L", 2, 1}});
  }
  std::vector<std::string> offered;
  std::string shown;
  UserAction Keep() {
    return Do([this](HWND d) {
      offered = ComboTexts(d, kCopyPresetCombo);
      shown = ComboText(d, kCopyPresetCombo);
    });
  }
};

TEST_F(PresetCopyDialogTest, OffersEnabledPresetsAndSelectsTheProposedOne) {
  const struct {
    const char* proposed;
    const char* chosen;
  } cases[] = {{"L", "L"}, {"XX", "M"}, {"S", "M"}};
  for (const auto& c : cases) {
    char name[kNameSize];
    std::snprintf(name, sizeof name, "%s", c.proposed);
    ScriptDialog(kCopy, {Keep(), PressEnter()});
    EXPECT_EQ(RunCopy(name), IDOK);
    EXPECT_EQ(offered, (std::vector<std::string>{"M", "L"}));
    EXPECT_EQ(shown, c.chosen);
    EXPECT_STREQ(name, c.chosen);
  }
}

TEST_F(PresetCopyDialogTest, OffersNothingAfterAFreeSlotAndTheLastEqualNameIsSelected) {
  SetPresets({{"M", 0, 1}, {"L", 1, 1}, {"M", 2, 1}, {"XL", 3, 1}});
  char name[kNameSize] = "M";
  LRESULT selected = -1;
  ScriptDialog(
      kCopy,
      {Keep(), Do([&](HWND d) { selected = SendDlgItemMessage(d, kCopyPresetCombo, CB_GETCURSEL, 0, 0); }),
       PressEnter()});
  EXPECT_EQ(RunCopy(name), IDOK);
  EXPECT_EQ(selected, 2);
  globals().presets[2].empty = 1;
  ScriptDialog(kCopy, {Keep(), PressEnter()});
  RunCopy(name);
  EXPECT_EQ(offered, (std::vector<std::string>{"M", "L"}));
}

// OK copies the current preset's amounts into the chosen one, and the label says so.
TEST_F(PresetCopyDialogTest, TheLabelNamesTheChosenPresetAsTheTarget) {
  const struct {
    int16_t language;
    int dialog;
    const char* label;
  } cases[] = {{kLanguageJapanese, kCopy, "\x83\x52\x83\x73\x81\x5B\x90\xE6\x81\x46"},  // "コピー先："
               {kLanguageEnglish, kCopy + 1000, "Copy to :"}};
  for (const auto& c : cases) {
    globals().language = c.language;
    char name[kNameSize] = "M";
    char label[64] = "";
    ScriptDialog(c.dialog, {Do([&](HWND d) { GetDlgItemText(d, kCopyPresetLabel, label, sizeof label); }),
                            PressEnter()});
    EXPECT_EQ(RunCopy(name), IDOK);
    EXPECT_STREQ(label, c.label);
  }
}

TEST_F(PresetCopyDialogTest, CancelLeavesTheName) {
  char name[kNameSize] = "L";
  ScriptDialog(kCopy, {PickItem(kCopyPresetCombo, 0), Click(IDCANCEL)});
  EXPECT_EQ(RunCopy(name), IDCANCEL);
  EXPECT_STREQ(name, "L");
}

TEST_F(PresetCopyDialogTest, AFullLengthNameComesBackWhole) {
  std::string longName(78, 'A');
  longName += "\x83\x41";  // ends in a double-byte character at bytes 79 and 80
  SetPresets({{"M", 0, 1}, {longName.c_str(), 1, 1}});
  char name[kNameSize] = "";
  ScriptDialog(kCopy, {PickItem(kCopyPresetCombo, 1), PressEnter()});
  EXPECT_EQ(RunCopy(name), IDOK);
  EXPECT_EQ(std::string(name), longName);
}

}  // namespace
}  // namespace vmtest
