// Preset records as the preferences file, the preset files and the document
// carry them: a damaged record is skipped and every record after it is kept,
// wherever it was read from; a preset may be named "nan".
#include <filesystem>
#include <functional>

#include "host/host_driver.h"
#include "store/art_tags.h"
#include "store/preferences_file.h"
#include "store/presets_in_document.h"
#include "store_scene.h"

namespace vmtest {
namespace {

// S, a record whose scale index lies past the scale tables, a preset named
// nan, L, and a record without a name.
const char* const kRecords[] = {"\"S\",1.1,1.1,1,0,1,0",   "\"Bad\",9,9,1,120,1,0", "\"nan\",1.2,1.25,0,1,1,0",
                                "\"L\",1.3,1.3,1,2,0,0", "\"\",9,9,1,3,1,0"};
const std::vector<std::string> kKept = {"S/0/1", "nan/1/1", "L/2/0"};

std::vector<std::string> PresetTable() {
  std::vector<std::string> out;
  for (const PresetRecord& p : gPlugin->presets)
    if (!p.empty) out.push_back(std::string(p.name) + "/" + std::to_string(p.scaleIndex) + "/" +
                                std::to_string(p.enabled));
  return out;
}

void SetDefaultPresets() {
  const char* names[] = {"S", "M", "L", "LL"};
  for (int slot = 0; slot < kMaxPresets; ++slot) {
    PresetRecord& p = gPlugin->presets[slot];
    p = PresetRecord{{}, slot, 1, static_cast<int16_t>(slot > 3), 1};
    if (slot < 4) std::snprintf(p.name, sizeof p.name, "%s", names[slot]);
  }
}

class PresetRecordsTest : public StoreScene {
 protected:
  static std::string Lines(const char* format) {
    std::string text;
    for (int n = 0; n < 5; ++n) {
      char line[128];
      std::snprintf(line, sizeof line, format, n + 1, kRecords[n]);
      text += line;
    }
    return text;
  }
  void TagRecords(const char* format, const char* lineEnd) {
    for (int n = 0; n < 5; ++n) {
      char key[64];
      std::snprintf(key, sizeof key, format, n + 1);
      WriteStringTag(LayerGroup(), key, (std::string(kRecords[n]) + lineEnd).c_str());
    }
  }
};

TEST_F(PresetRecordsTest, EverySourceSkipsTheDamagedRecordAndKeepsTheOnesAfterIt) {
  const struct {
    const char* source;
    std::function<void()> write;  // the records as the user's file or document holds them
    std::function<void()> read;
    std::function<void()> writeAgain;
  } sources[] = {
      {"preferences file", [&] { WriteHostFile(PrefsFile("Vestamark.ini"), Lines("grading_preset_%02d = %s\r\n")); },
       [] { ReadPreferencesIni(); }, [] { WritePreferencesIni(); }},
      {"preset file",
       [&] { WriteHostFile(PrefsFile("Vestamark/Winter.ini"), Lines("grading_preset_%02d = %s\r\n")); },
       [] { ReadPreferencesIni("Winter"); }, [] { WritePreferencesIni("Winter"); }},
      {"presets kept in the document", [&] { TagRecords("grading_preset_%02d", "\r\n"); },
       [] { LoadPresetsFromDocument(); }, [] { SavePresetsToDocument(); }},
      {"configuration saved with a piece",
       [&] {
         WriteStringTag(LayerGroup(), "vmk_grading_prconf_path", "");
         TagRecords("vmk_grading_prconf_%02d", "");
       },
       [] { LoadPresetConfig(); }, [] { SavePresetConfig(); }},
  };
  for (const auto& s : sources) {
    SCOPED_TRACE(s.source);
    s.write();
    SetDefaultPresets();
    s.read();
    EXPECT_EQ(PresetTable(), kKept);
    EXPECT_DOUBLE_EQ(gPlugin->presetScale[1].v, 1.25);
    EXPECT_DOUBLE_EQ(gPlugin->presetScale[98].h, 1.2) << "the damaged record changed no scale";
    s.writeAgain();  // written, read again: nothing more is lost
    SetDefaultPresets();
    s.read();
    EXPECT_EQ(PresetTable(), kKept);
  }
  EXPECT_NE(ReadHostFile(PrefsFile("Vestamark/Winter.ini")).find("grading_preset_02 = \"nan\",1.2,1.25,0,1,1,0"),
            std::string::npos);
}

class PresetRecordsStartupTest : public ModuleTest {
 protected:
  PresetRecordsStartupTest() { startModule = false; }
  std::string PrefsPath() const {
    std::filesystem::create_directories(folders->documents() + "/Adobe/Illustrator/Prefs");
    return folders->documents() + "/Adobe/Illustrator/Prefs/Vestamark.ini";
  }
  void Restart() {
    ASSERT_EQ(StopModule(), kNoErr);
    vmhost::ResetHost();
    module = vmhost::LoadModule();
    ASSERT_EQ(StartModule(), kNoErr);
  }
};

// A preset named nan is the user's first preset, not a free slot for the
// defaults; a numeric setting written as nan keeps its default.
TEST_F(PresetRecordsStartupTest, APresetNamedNanAndTheOnesAfterADamagedLineSurviveEveryRestart) {
  WriteHostFile(PrefsPath(),
                "flGrWidth = nan\r\n"
                "grading_title = \"nan\"\r\n"
                "grading_preset_01 = \"nan\",1.1,1.1,1,0,1,0\r\n"
                "grading_preset_02 = \"XL\",1.5,1.5,1,150,1,0\r\n"
                "grading_preset_03 = \"M\",1.2,1.2,1,1,1,0\r\n"
                "grading_preset_04 = \"L\",1.3,1.3,1,2,1,0\r\n");
  ASSERT_EQ(StartModule(), kNoErr);
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    EXPECT_EQ(PresetTable(), (std::vector<std::string>{"nan/0/1", "M/1/1", "L/2/1"}));
    EXPECT_NEAR(globals().flGrWidth, 14.17323, 1e-4);
    EXPECT_STREQ(globals().grading_title, "nan");
    Restart();
  }
  EXPECT_NE(ReadHostFile(PrefsPath()).find("grading_preset_03 = \"L\",1.3,1.3,1,2,1,0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vmtest
