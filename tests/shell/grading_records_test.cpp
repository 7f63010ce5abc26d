// The current preset's re-seat rule.
#include <cstring>
#include <string>

#include "shell/plugin_lifecycle.h"
#include "store/preset_table.h"
#include "support/module_fixture.h"

using namespace vmtest;

namespace {

using PresetSeatTest = ModuleTest;

TEST_F(PresetSeatTest, TheCurrentPresetMovesToTheNearestUsableSlot) {
  struct Case {
    const char* name;
    int16_t start;
    int enabledSlots[3];  // -1 ends
    int16_t expected;
  } cases[] = {
      {"disabled slot falls back", 5, {4, -1}, 4},
      {"walks down past gaps", 9, {2, -1}, 2},
      {"walks up from slot 0", 0, {3, 7, -1}, 3},
      {"usable slot stays", 7, {3, 7, -1}, 7},
      {"nothing usable", 0, {-1}, 98},
      {"out of range", 300, {10, -1}, 10},
  };
  for (const Case& c : cases) {
    PluginGlobals& g = globals();
    for (int i = 0; i < kMaxPresets; ++i) InitPresetRecord(&g.presets[i], "", 40 + i, 0, 1, 0);
    for (int slot : c.enabledSlots) {
      if (slot < 0) break;
      InitPresetRecord(&g.presets[slot], "X", slot * 2, 1, 0, 1);
    }
    g.presets[5].empty = 0;  // present but disabled
    g.currentPresetSlot = c.start;
    ReseatCurrentPreset();
    EXPECT_EQ(g.currentPresetSlot, c.expected) << c.name;
    EXPECT_EQ(g.currentScaleIndex, g.presets[c.expected].scaleIndex) << c.name;
  }
}

// Preset names typed by the user go through the same copy as the defaults.
TEST(PresetRecord, ALongNameIsCutOnAWholeCharacter) {
  std::string kanji;  // "後身" x 20 in Shift-JIS: 80 bytes
  for (int i = 0; i < 20; ++i) kanji += "\x8C\xE3\x90\x67";
  const struct {
    std::string name;
    size_t kept;
  } cases[] = {{"LL", 2}, {std::string(81, 'X'), 80}, {kanji, 80}, {"A" + kanji, 79}};
  for (const auto& c : cases) {
    PresetRecord preset;
    std::memset(&preset, 0x7E, sizeof preset);
    InitPresetRecord(&preset, c.name.c_str(), 3, 1, 0, 1);
    EXPECT_EQ(std::strlen(preset.name), c.kept) << c.name;
    EXPECT_EQ(c.name.compare(0, c.kept, preset.name), 0) << c.name;
    EXPECT_EQ(preset.scaleIndex, 3) << c.name;
    EXPECT_EQ(preset.enabled, 1) << c.name;
    EXPECT_EQ(preset.empty, 0) << c.name;
    EXPECT_EQ(preset.output, 1) << c.name;
  }
}

}  // namespace
