#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "store/preferences_file.h"
#include "support/file_size_limit.h"
#include "support/module_fixture.h"

namespace {

class PreferencesStartupTest : public vmtest::ModuleTest {
 protected:
  PreferencesStartupTest() { startModule = false; }
  std::string PrefsPath() const {
    std::filesystem::create_directories(folders->documents() + "/Adobe/Illustrator/Prefs");
    return folders->documents() + "/Adobe/Illustrator/Prefs/Vestamark.ini";
  }
};

// Presets after gaps in the numbering close ranks in number order; each keeps
// its scale index, so its scales and every handle's amounts for it stay.
TEST_F(PreferencesStartupTest, PresetsAfterGapsInTheNumberingMoveUpAndAreWrittenBack) {
  WriteHostFile(PrefsPath(),
                "grading_unit = 1\r\n"
                "grading_preset_03 = \"Big\",1.5,1.5,1,7,1,0\r\n"
                "grading_preset_06 = \"Huge\",1.8,1.8,1,8,1,0\r\n");
  ASSERT_EQ(StartModule(), kNoErr);
  EXPECT_STREQ(globals().presets[0].name, "Big");
  EXPECT_EQ(globals().presets[0].scaleIndex, 7);
  EXPECT_STREQ(globals().presets[1].name, "Huge");
  EXPECT_DOUBLE_EQ(globals().presetScale[8].h, 1.8);
  EXPECT_EQ(globals().presets[2].empty, 1);
  EXPECT_STREQ(globals().unitName, "cm");
  EXPECT_TRUE(AlertTexts().empty()) << "every line was understood";
  ASSERT_EQ(StopModule(), kNoErr);
  const std::string written = ReadHostFile(PrefsPath());
  EXPECT_NE(written.find("grading_preset_01 = \"Big\",1.5,1.5,1,7,1,0\r\n"
                         "grading_preset_02 = \"Huge\",1.8,1.8,1,8,1,0\r\nlanguage"),
            std::string::npos)
      << written;
}

TEST_F(PreferencesStartupTest, SettingsChangedInOneSessionAreThereInTheNext) {
  ASSERT_EQ(StartModule(), kNoErr);
  globals().flUseGrid = 1;
  globals().language = 1;
  std::strcpy(globals().presets[1].name, "Medium");
  globals().presetScale[1] = {1.25, 1.5};
  ASSERT_EQ(StopModule(), kNoErr);
  EXPECT_NE(ReadHostFile(PrefsPath()).find("grading_preset_02 = \"Medium\",1.25,1.5,1,1,1,0\r\n"),
            std::string::npos);

  vmhost::ResetHost();  // the host application starts anew
  module = vmhost::LoadModule();
  ASSERT_EQ(StartModule(), kNoErr);
  EXPECT_EQ(globals().flUseGrid, 1);
  EXPECT_EQ(globals().language, 1);
  EXPECT_STREQ(globals().presets[1].name, "Medium");
  EXPECT_DOUBLE_EQ(globals().presetScale[1].v, 1.5);
  EXPECT_EQ(globals().presets[4].empty, 1);
}

}  // namespace

// A shut-down that cannot write the preferences tells the user where they
// should have gone.
TEST_F(PreferencesStartupTest, APreferencesWriteThatFailsAtShutDownSaysSo) {
  ASSERT_EQ(StartModule(), kNoErr);
  globals().language = 1;
  std::filesystem::create_directories(PrefsPath());  // a folder in the file's place
  vmhost::ClearRecordings();
  ASSERT_EQ(StopModule(), kNoErr);
  ASSERT_EQ(AlertTexts().size(), 1u);
  EXPECT_NE(AlertTexts()[0].find("The preferences could not be saved to \""), std::string::npos) << AlertTexts()[0];
  EXPECT_NE(AlertTexts()[0].find("\\Prefs\\Vestamark.ini\""), std::string::npos) << AlertTexts()[0];
  EXPECT_TRUE(std::filesystem::is_directory(PrefsPath()));
}

// A damaged file of which no copy can be kept is never written over.
TEST_F(PreferencesStartupTest, ADamagedFileThatCannotBeCopiedIsLeftAsItWas) {
  const std::string damaged = "language = ENGLISH\r\ngrading_preset_01 = \"S\",1,1,1,0,1,0\r\ntoolMode = broken\r\n";
  WriteHostFile(PrefsPath(), damaged);
  ASSERT_EQ(WithFileSizeLimit(64, [this] { return StartModule(); }), kNoErr);
  ASSERT_EQ(AlertTexts().size(), 1u);
  EXPECT_NE(AlertTexts()[0].find("Vestamark.ini\" held lines that could not be read (the first is line 3).\r"
                                 "No copy of it could be made, so it will not be replaced."),
            std::string::npos)
      << AlertTexts()[0];
  EXPECT_STREQ(globals().presets[0].name, "S");
  EXPECT_EQ(WritePreferencesIni(), 0) << "no writer of the module replaces it";
  ASSERT_EQ(StopModule(), kNoErr);
  EXPECT_EQ(ReadHostFile(PrefsPath()), damaged);
  EXPECT_EQ(AlertTexts().size(), 1u) << "told once";
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(PrefsPath()).parent_path()))
    EXPECT_NE(entry.path().extension(), ".tmp") << "nothing half-written is left";
}
