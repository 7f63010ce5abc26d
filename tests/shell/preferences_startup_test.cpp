// Start-up and shut-down with a preferences file of the user's.
#include <filesystem>
#include <string>

#include "host_model.h"
#include "support/module_fixture.h"
#include "win_driver.h"

using namespace vmtest;

namespace {

class PreferencesStartupTest : public ModuleTest {
 protected:
  PreferencesStartupTest() { startModule = false; }
  std::string PrefsPath() const { return folders->documents() + "/Adobe/Illustrator/Prefs/Vestamark.ini"; }
  void WritePrefs(const std::string& lines) {
    std::filesystem::create_directories(std::filesystem::path(PrefsPath()).parent_path());
    WriteHostFile(PrefsPath(), lines);
  }
  std::string TitleOfSlot(int slot) { return static_cast<HostTool*>(globals().toolHandles[slot])->title; }
  std::string TooltipOfSlot(int slot) { return static_cast<HostTool*>(globals().toolHandles[slot])->tooltip; }
};

TEST_F(PreferencesStartupTest, EnglishToolTitlesAndTooltips) {
  WritePrefs("language = ENGLISH\r\n");
  ASSERT_EQ(StartModule(), kNoErr);
  const char* bases[] = {"",
                         "Distance revision",
                         "Length revision",
                         "Point revision",
                         "Angle revision",
                         "Measurement",
                         "Arc revision"};
  for (int slot = 1; slot <= 6; ++slot) {
    EXPECT_EQ(TitleOfSlot(slot), std::string(bases[slot]) + "_Vestamark");
    EXPECT_EQ(TooltipOfSlot(slot), bases[slot]);
  }
}

TEST_F(PreferencesStartupTest, KoreanKeepsJapaneseTitlesButOpensTheEnglishAbout) {
  WritePrefs("language = KOREAN\r\n");
  ASSERT_EQ(StartModule(), kNoErr);
  EXPECT_EQ(globals().language, 2);
  EXPECT_EQ(TooltipOfSlot(1), "\x8b\x97\x97\xa3\x95\xe2\x90\xb3");  // distance revision
  vmwin::ScriptDialog(17150, {vmwin::Click(IDOK)});
  vmhost::About(module);
  ASSERT_EQ(vmwin::ShownDialogs().size(), 1u);
  EXPECT_EQ(vmwin::ShownDialogs()[0].templateId, 17150);
}

TEST_F(PreferencesStartupTest, APresetInSlotOneKeepsTheDefaultsAway) {
  WritePrefs(
      "grading_preset_01 = \"Petite\",1.1,1.05,1,0,1,0\r\ngrading_preset_02 = \"Tall\",1.3,1.3,0,1,1,0\r\n");
  ASSERT_EQ(StartModule(), kNoErr);
  EXPECT_STREQ(globals().presets[0].name, "Petite");
  EXPECT_STREQ(globals().presets[1].name, "Tall");
  EXPECT_EQ(globals().presets[2].empty, 1);
  EXPECT_DOUBLE_EQ(globals().presetScale[0].v, 1.05);
}

// The user's one preset is their first, whatever number it was saved under:
// no default is put in front of it.
TEST_F(PreferencesStartupTest, APresetNumberedFromALaterSlotIsTheFirstAndNoDefaultIsAdded) {
  WritePrefs("grading_preset_05 = \"XL\",1.2,1.2,1,4,1,0\r\n");
  ASSERT_EQ(StartModule(), kNoErr);
  EXPECT_STREQ(globals().presets[0].name, "XL");
  EXPECT_EQ(globals().presets[0].scaleIndex, 4);
  EXPECT_EQ(globals().presets[1].empty, 1);
  EXPECT_EQ(globals().currentScaleIndex, 4);
}

TEST_F(PreferencesStartupTest, ShutDownWritesThePreferencesBack) {
  ASSERT_EQ(StartModule(), kNoErr);
  globals().grading_unit = 1;
  ASSERT_EQ(StopModule(), kNoErr);
  const std::string written = ReadHostFile(PrefsPath());
  EXPECT_NE(written.find("grading_preset_04 = \"LL\""), std::string::npos) << written;
}

TEST_F(PreferencesStartupTest, AStartUpThatNeverRanLeavesTheUsersFileAlone) {
  const std::string mine = "language = ENGLISH\r\ngrading_preset_01 = \"Mine\",1,1,1,0,1,0\r\n";
  WritePrefs(mine);
  vmhost::FailSuiteAcquisition("AI Tool Suite");
  EXPECT_NE(StartModule(), kNoErr);
  EXPECT_EQ(StopModule(), kNoErr);
  EXPECT_EQ(ReadHostFile(PrefsPath()), mine);
}

}  // namespace
