#include "store/preferences_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "preferences_fixture.h"
#include "win_driver.h"

namespace {

using PreferencesFileTest = PreferencesFilesTest;

std::vector<std::string> KeysInOrder(const std::string& text) {
  std::vector<std::string> keys;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    const std::string line = text.substr(start, end - start);
    keys.push_back(line.substr(0, line.find(' ')));
    start = end == std::string::npos ? text.size() : end + 2;
  }
  return keys;
}

TEST_F(PreferencesFileTest, EverySettingSurvivesARestartInWriteOrder) {
  PluginGlobals& g = *gPlugin;
  g.toolMode = 3;
  g.flUseGrid = 1, g.flUseFcur = 0, g.flUseFcrs = 1, g.flUseFops = 0;
  g.flUseFrad = 1, g.flUseFdis = 1, g.flUseFlng = 1, g.flUseFcnt = 1;
  g.flGrWidth = 10.5, g.flGrHeight = 11.25, g.flGrDistance = 12.125;
  g.grading_angle = 0.5, g.grading_length = 42, g.grading_compscale = 1.5, g.grading_hvlock = 0;
  g.grading_unit = 2;
  std::strcpy(g.grading_title, "Front \x95\x5C A");  // a trail byte that looks like a backslash
  std::strcpy(g.presetFileName, "Winter set");
  SimpleGradingSettings& sg = g.simpleGrading;
  sg.grading_front_body_width = 51, sg.grading_front_body_height = 101, sg.grading_front_bust_position = 64;
  sg.grading_back_body_width = 52, sg.grading_back_body_height = 102, sg.grading_back_bust_position = 65;
  sg.grading_sleeve_front_body_width = 34, sg.grading_sleeve_back_body_width = 35;
  sg.grading_sleeve_cap_height = 16, sg.grading_sleeve_depth = 99;
  sg.grading_front_rotation = 1, sg.grading_back_rotation = 2, sg.grading_sleeve_rotation = 3;
  sg.grading_basic_size = 4, sg.grading_measure_type = 5;
  for (int r = 0; r < kSizeTableRows; ++r)
    g.sizeTable[r] = {90.5 + r, 380, 780, 660, 540, 550, 452, 216, 54.25};
  g.updateGrading.renewal_leave = 0, g.updateGrading.renewal_mode = 2, g.updateGrading.renewal_preview = 0;
  g.updateGrading.renewal_out_layer = 0, g.updateGrading.renewal_out_preset = 0;
  std::strcpy(g.updateGrading.renewal_out_lname, "<< OUT LAYER >>");
  SetPreset(0, "S", 0, 1.25, 1.5);
  SetPreset(1, "\x83\x54\x83\x43\x83\x59", 7, 0.75, 0.5);  // a Japanese name, scale index apart from its slot
  gPlugin->presets[1].output = 0;
  g.language = 1;
  ASSERT_EQ(WritePreferencesIni(), 1);

  std::string order =
      "toolMode flUseGrid flUseFcur flUseFcrs flUseFops flUseFrad flUseFdis flUseFlng flUseFcnt flGrWidth "
      "flGrHeight flGrDistance grading_angle grading_length grading_compscale grading_hvlock grading_unit "
      "grading_title grading_prefspath grading_front_body_width grading_front_body_height "
      "grading_front_bust_position grading_front_rotation grading_back_body_width grading_back_body_height "
      "grading_back_bust_position grading_back_rotation grading_sleeve_front_body_width "
      "grading_sleeve_back_body_width grading_sleeve_cap_height grading_sleeve_depth grading_sleeve_rotation "
      "grading_basic_size grading_measure_type";
  for (int row = 1; row <= kSizeTableRows; ++row)
    order += " grading_size_table_" + std::string(row < 10 ? "0" : "") + std::to_string(row);
  order +=
      " renewal_leave renewal_mode renewal_preview renewal_out_layer renewal_out_preset renewal_out_lname "
      "grading_preset_01 grading_preset_02 language";
  std::vector<std::string> expected;
  for (size_t at = 0; at < order.size();) {
    const size_t end = std::min(order.find(' ', at), order.size());
    expected.push_back(order.substr(at, end - at));
    at = end + 1;
  }
  EXPECT_EQ(KeysInOrder(ReadFile("Vestamark.ini")), expected);

  // Everything the file holds comes back bit for bit; the record was cleared in between.
  std::vector<char> saved(reinterpret_cast<char*>(gPlugin), reinterpret_cast<char*>(gPlugin + 1));
  std::memset(gPlugin, 0, sizeof(PluginGlobals));
  ReadPreferencesIni();
  EXPECT_STREQ(g.unitName, "in");
  EXPECT_DOUBLE_EQ(g.unitPerPoint, 0.013888888888888888);
  std::memset(g.unitName, 0, sizeof(g.unitName)), g.unitPerPoint = 0;
  EXPECT_EQ(std::memcmp(saved.data(), gPlugin, sizeof(PluginGlobals)), 0) << "a setting did not survive";
}

TEST_F(PreferencesFileTest, NumbersAreWrittenInSinglePrecision) {
  gPlugin->flGrWidth = 14.173228346456693;
  gPlugin->sizeTable[0].pitch = 90.123456789;
  SetPreset(0, "M", 0, 1.1234567, 1.2);
  ASSERT_EQ(WritePreferencesIni(), 1);
  const std::string text = ReadFile("Vestamark.ini");
  EXPECT_NE(text.find("flGrWidth = 14.1732\r\n"), std::string::npos);
  EXPECT_NE(text.find("grading_size_table_01 = 90.1235,0,0,0,0,0,0,0,0\r\n"), std::string::npos);
  EXPECT_NE(text.find("grading_preset_01 = \"M\",1.12346,1.2,1,0,1,0\r\n"), std::string::npos);
  EXPECT_NE(text.find("language = JAPANESE\r\n"), std::string::npos);
}

struct ReadCase {
  const char* what;
  const char* file;
  void (*check)(const PluginGlobals&);
};

const ReadCase kReadCases[] = {
    {"only number 3 given makes it the first preset",
     "grading_preset_03 = \"L\",1.2,1.2,1,2,1,0\n",
     [](const PluginGlobals& g) {
       EXPECT_EQ(g.presets[0].empty, 0);
       EXPECT_STREQ(g.presets[0].name, "L");
       EXPECT_EQ(g.presets[0].scaleIndex, 2);
       EXPECT_EQ(g.presets[1].empty, 1);
     }},
    {"a record marked as a free slot takes no slot",
     "grading_preset_01 = \"Gone\",1.2,1.2,1,0,1,1\ngrading_preset_02 = \"M\",1.2,1.2,1,1,1,0\n",
     [](const PluginGlobals& g) {
       EXPECT_STREQ(g.presets[0].name, "M");
       EXPECT_EQ(g.presets[1].empty, 1);
     }},
    {"the older preset form is enabled, at the scale index of its number",
     "grading_preset_05 = \"XL\",1.3,1.4,1\r\n",
     [](const PluginGlobals& g) {
       EXPECT_EQ(g.presets[0].enabled, 1);
       EXPECT_EQ(g.presets[0].empty, 0);
       EXPECT_EQ(g.presets[0].scaleIndex, 4);
       EXPECT_EQ(g.presets[0].output, 1);
       EXPECT_DOUBLE_EQ(g.presetScale[4].h, 1.3);
       EXPECT_DOUBLE_EQ(g.presetScale[4].v, 1.4);
     }},
    {"a scale index past the table skips the line",
     "grading_preset_01 = \"S\",9,9,1,99,1,0\n"
     "grading_preset_02 = \"M\",9,9,1,-1,1,0\n",
     [](const PluginGlobals& g) {
       EXPECT_EQ(g.presets[0].empty, 1);
       EXPECT_EQ(g.presets[1].empty, 1);
       EXPECT_DOUBLE_EQ(g.presetScale[98].h, 1.2);
     }},
    {"nan and infinity keep the defaults", "flGrWidth = nan\nflGrHeight = -nan\nflGrDistance = inf\n",
     [](const PluginGlobals& g) {
       EXPECT_DOUBLE_EQ(g.flGrWidth, 14.17323);
       EXPECT_DOUBLE_EQ(g.flGrHeight, 14.17323);
       EXPECT_DOUBLE_EQ(g.flGrDistance, 14.17323);
     }},
    {"quoted blanks stay, unquoted blanks go, TAB and CR always go",
     "grading_title = \"A B\"\r\ngrading_prefspath = A B\r\nrenewal_out_lname = \"x\ty\"\n",
     [](const PluginGlobals& g) {
       EXPECT_STREQ(g.grading_title, "A B");
       EXPECT_STREQ(g.presetFileName, "AB");
       EXPECT_STREQ(g.updateGrading.renewal_out_lname, "xy");
     }},
    {"comments, empty values and unknown keys are passed over",
     "'grading_unit = 1\n\ngrading_hvlock =\nno_such_key = 4\ngrading_unit = 1\n",
     [](const PluginGlobals& g) {
       EXPECT_EQ(g.grading_unit, 1);
       EXPECT_DOUBLE_EQ(g.unitPerPoint, 0.035277777777777776);
       EXPECT_STREQ(g.unitName, "cm");
       EXPECT_EQ(g.grading_hvlock, 1);
     }},
    {"an unknown unit changes only the unit number", "grading_unit = 7\nlanguage = KOREAN\n",
     [](const PluginGlobals& g) {
       EXPECT_EQ(g.grading_unit, 7);
       EXPECT_STREQ(g.unitName, "mm");
       EXPECT_EQ(g.language, 2);
     }},
    {"an unknown language is Japanese, a number beyond its field is no number",
     "language = FRENCH\ntoolMode = 2\ntoolMode = 99999\nflUseGrid = 0x10\nflGrWidth = 1e999\n",
     [](const PluginGlobals& g) {
       EXPECT_EQ(g.language, 0);
       EXPECT_EQ(g.toolMode, 2);
       EXPECT_EQ(g.flUseGrid, 0);  // the decimal number at its start
       EXPECT_DOUBLE_EQ(g.flGrWidth, 14.17323);
     }},
};

TEST_F(PreferencesFileTest, ReadsHandEditedFiles) {
  for (const ReadCase& c : kReadCases) {
    SCOPED_TRACE(c.what);
    std::memset(gPlugin, 0, sizeof(PluginGlobals));
    gPlugin->flGrWidth = gPlugin->flGrHeight = gPlugin->flGrDistance = 14.17323;
    gPlugin->grading_hvlock = 1;
    gPlugin->language = 1;
    std::strcpy(gPlugin->unitName, "mm");
    for (ScalePair& scale : gPlugin->presetScale) scale = {1.2, 1.2};
    WriteFile("Vestamark.ini", c.file);
    ReadPreferencesIni();
    c.check(*gPlugin);
  }
}

TEST_F(PreferencesFileTest, LongTitlesAreCutWithoutSplittingACharacter) {
  const std::string title81(81, 'T');
  const std::string title79kanji = std::string(79, 'K') + "\x8A\xBF";
  WriteFile("Vestamark.ini",
            "grading_title = \"" + title81 + "\"\ngrading_prefspath = \"" + title79kanji + "\"\n");
  ReadPreferencesIni();
  EXPECT_EQ(std::string(gPlugin->grading_title), title81.substr(0, 80));
  EXPECT_EQ(std::string(gPlugin->presetFileName), std::string(79, 'K'));
}

TEST_F(PreferencesFileTest, DamagedFilesReadWithoutHarm) {
  std::string garbage;
  for (int i = 0; i < 70000; ++i) garbage.push_back(static_cast<char>((i * 7919 + i / 13) & 0xFF));
  const std::string hugeTitle = "grading_title = \"" + std::string(1 << 20, '\x81') + "\"";
  const std::string hugeFields = "grading_preset_01 = " + std::string(1 << 20, ',');
  for (const std::string& file : {garbage, hugeTitle, hugeFields, std::string(1 << 20, 'x')}) {
    WriteFile("Vestamark.ini", file);
    ReadPreferencesIni();
    EXPECT_LE(std::strlen(gPlugin->grading_title), 80u);
  }
}

TEST_F(PreferencesFileTest, DoubleQuotesInNamesNeverCostAPresetItsScales) {
  SetPreset(0, "32\"", 0, 1.25, 1.5);  // an inch mark
  SetPreset(1, "\"Tall\" M", 4, 0.75, 0.5);
  std::strcpy(gPlugin->grading_title, "Coat 5\" hem");
  ASSERT_EQ(WritePreferencesIni(), 1);
  ASSERT_EQ(WritePreferencesIni("Inches"), 1);
  EXPECT_NE(ReadFile("Vestamark.ini").find("grading_preset_01 = \"32\"\"\",1.25,1.5,1,0,1,0\r\n"),
            std::string::npos);
  for (const char* name : {static_cast<const char*>(nullptr), "Inches"}) {
    SCOPED_TRACE(name ? name : "main file");
    for (ScalePair& scale : gPlugin->presetScale) scale = {1, 1};
    gPlugin->grading_title[0] = '\0';
    ReadPreferencesIni(name);
    EXPECT_STREQ(gPlugin->presets[0].name, "32\"");
    EXPECT_EQ(gPlugin->presets[0].scaleIndex, 0);
    EXPECT_EQ(gPlugin->presetScale[0].h, 1.25);
    EXPECT_EQ(gPlugin->presetScale[0].v, 1.5);
    EXPECT_STREQ(gPlugin->presets[1].name, "\"Tall\" M");
    EXPECT_EQ(gPlugin->presets[1].scaleIndex, 4);
    EXPECT_EQ(gPlugin->presetScale[4].h, 0.75);
    EXPECT_EQ(gPlugin->presets[2].empty, 1);
  }
  EXPECT_STREQ(gPlugin->grading_title, "");  // a named file holds no title
  ReadPreferencesIni();
  EXPECT_STREQ(gPlugin->grading_title, "Coat 5\" hem");
}

TEST_F(PreferencesFileTest, NamedPresetFilesHoldOnlyPresets) {
  SetPreset(0, "S", 0, 1.1, 1.1);
  SetPreset(1, "M", 1, 1.2, 1.2);
  ASSERT_EQ(WritePreferencesIni("Winter"), 1);
  EXPECT_EQ(ReadFile("Vestamark/Winter.ini"),
            "grading_preset_01 = \"S\",1.1,1.1,1,0,1,0\r\n"
            "grading_preset_02 = \"M\",1.2,1.2,1,1,1,0\r\n");

  WriteFile("Vestamark/Winter.ini", "grading_unit = 2\ngrading_preset_02 = \"L\",1.3,1.3,0,2,1,0\n");
  ReadPreferencesIni("Winter");
  EXPECT_EQ(gPlugin->grading_unit, 0);
  EXPECT_STREQ(gPlugin->presets[0].name, "L");
  EXPECT_EQ(gPlugin->presets[0].scaleIndex, 2);
  EXPECT_EQ(gPlugin->presets[1].empty, 1);

  ReadPreferencesIni("Nowhere");  // a file that is not there changes nothing
  EXPECT_STREQ(gPlugin->presets[0].name, "L");
}

TEST_F(PreferencesFileTest, NamesThatLeaveTheFolderAreRefused) {
  SetPreset(0, "S", 0, 1.1, 1.1);
  for (const char* name : {"", "..\\Vestamark", "a/b", "c:d", "..", "x\\y"}) {
    EXPECT_EQ(WritePreferencesIni(name), 0) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(PrefsFile("Vestamark.ini")));
  EXPECT_EQ(WritePreferencesIni("\x95\x5C"), 1);  // its trail byte is not a separator
  EXPECT_EQ(WritePreferencesIni(std::string(300, 'n').c_str()), 0);
}

// Point 3 of the files kept whole: a write that fails leaves the old file and
// nothing beside it; one that succeeds keeps the old file's permissions.
TEST_F(PreferencesFileTest, AFileIsReplacedWholeOrNotAtAll) {
  const std::string old = "grading_unit = 1\n" + std::string(200, '\'') + "\n";
  WriteFile("Vestamark.ini", old);
  SetPreset(0, "S", 0, 1.1, 1.1);
  EXPECT_EQ(WithFileSizeLimit(128, [] { return WritePreferencesIni(); }), 0) << "a full disk";
  EXPECT_EQ(ReadFile("Vestamark.ini"), old);
  EXPECT_EQ(FilesIn(""), std::vector<std::string>({"Vestamark", "Vestamark.ini"})) << "nothing left beside it";

  // What an interrupted write of another program or version left beside it is passed by.
  std::filesystem::create_directories(PrefsFile("Vestamark.ini.tmp") / "leftover");
  std::filesystem::permissions(PrefsFile("Vestamark.ini"), std::filesystem::perms(0640));
  const int flushed = vmwin::FlushedFiles();
  ASSERT_EQ(WritePreferencesIni(), 1);
  EXPECT_EQ(vmwin::FlushedFiles(), flushed + 1) << "on the disk before it takes the old file's place";
  EXPECT_NE(ReadFile("Vestamark.ini").find("grading_preset_01 = \"S\""), std::string::npos);
  EXPECT_EQ(std::filesystem::status(PrefsFile("Vestamark.ini")).permissions(), std::filesystem::perms(0640));

  std::filesystem::create_directories(PrefsFile("Vestamark/Folder.ini"));
  EXPECT_EQ(WritePreferencesIni("Folder"), 0) << "a folder in the file's place";
  EXPECT_TRUE(std::filesystem::is_directory(PrefsFile("Vestamark/Folder.ini")));
  EXPECT_EQ(FilesIn("Vestamark"), std::vector<std::string>({"Folder.ini"}));
  EXPECT_EQ(FilesIn(""), std::vector<std::string>({"Vestamark", "Vestamark.ini", "Vestamark.ini.tmp"}));
}

}  // namespace
