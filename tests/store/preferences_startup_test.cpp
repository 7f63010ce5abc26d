#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

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

TEST_F(PreferencesStartupTest, AFileWithoutSlotOneGetsTheDefaultPresets) {
  WriteHostFile(PrefsPath(),
                "grading_unit = 1\r\n"
                "grading_preset_03 = \"Big\",1.5,1.5,1,7,1,0\r\n"
                "grading_preset_06 = \"Huge\",1.8,1.8,1,8,1,0\r\n");
  ASSERT_EQ(StartModule(), kNoErr);
  const char* names[] = {"S", "M", "L", "LL"};
  for (int slot = 0; slot < 4; ++slot) {
    EXPECT_STREQ(globals().presets[slot].name, names[slot]);
    EXPECT_EQ(globals().presets[slot].scaleIndex, slot);
  }
  EXPECT_STREQ(globals().presets[5].name, "Huge");
  EXPECT_STREQ(globals().unitName, "cm");
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
