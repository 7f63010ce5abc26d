// The current preset's re-seat rule.
#include "shell/plugin_lifecycle.h"
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

}  // namespace
