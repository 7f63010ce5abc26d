// Start-up, shut-down, unload and reload of the module in the stand-in host.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "common/suite_table.h"
#include "host_model.h"
#include "shell/plugin_lifecycle.h"
#include "support/module_fixture.h"

using namespace vmtest;

namespace {

using StartupTest = ModuleTest;

TEST_F(StartupTest, FillsEveryDefaultAndCreatesTheFourPresets) {
  const PluginGlobals& g = globals();
  const char* names[] = {"S", "M", "L", "LL"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_STREQ(g.presets[i].name, names[i]);
    EXPECT_EQ(g.presets[i].scaleIndex, i);
    EXPECT_EQ(g.presets[i].enabled, 1);
    EXPECT_EQ(g.presets[i].output, 1);
    EXPECT_EQ(g.presets[i].empty, 0);
  }
  for (int i = 4; i < kMaxPresets; ++i) EXPECT_EQ(g.presets[i].empty, 1) << i;
  EXPECT_EQ(g.currentPresetSlot, 0);
  EXPECT_EQ(g.currentScaleIndex, 0);
  for (int i = 0; i < kMaxPresets; ++i) {
    EXPECT_EQ(g.presetScale[i].h, 1.2);
    EXPECT_EQ(g.groupPresetScale[i].v, 1.2);
  }
  EXPECT_EQ((std::vector<int>{g.flUseGrid, g.flUseFcur, g.flUseFcrs, g.flUseFops, g.flUseFrad, g.flUseFdis,
                              g.flUseFlng, g.flUseFcnt}),
            (std::vector<int>{0, 1, 1, 1, 1, 0, 0, 0}));
  EXPECT_EQ(g.flGrWidth, 14.17323);
  EXPECT_EQ(g.flGrDistance, 14.17323);
  EXPECT_EQ(g.grading_compscale, 1.0);
  EXPECT_EQ(g.grading_hvlock, 1);
  EXPECT_EQ(g.unitPerPoint, 0.35277777777777775);
  EXPECT_STREQ(g.unitName, "mm");
  EXPECT_EQ(g.lastZoom, 1.0);
  EXPECT_STREQ(g.previewLayerName, "<<Vestamark Preview>>");
  EXPECT_STREQ(g.sampleLayerName, "<<Vestamark Sample>>");
  EXPECT_STREQ(g.productName, "Vestamark");
  EXPECT_EQ(g.dragListMessage, -1);
  EXPECT_EQ(g.updateGrading.renewal_leave, 1);
  EXPECT_EQ(g.updateGrading.renewal_preview, 1);
  EXPECT_EQ(g.updateGrading.renewal_out_layer, 1);
  EXPECT_EQ(g.updateGrading.renewal_out_preset, 1);
  EXPECT_EQ(g.updateGrading.renewal_mode, 0);
  EXPECT_STREQ(g.updateGrading.renewal_out_lname, "<< MORAVINE_GRADING >>");
  EXPECT_EQ(g.simpleGrading.grading_front_bust_position, 63);
  EXPECT_EQ(g.simpleGrading.grading_sleeve_cap_height, 15);
  EXPECT_EQ(g.simpleGrading.grading_basic_size, 2);
  EXPECT_EQ(g.sizeTable[3].pitch, 104.8);
  EXPECT_EQ(g.sizeTable[2].cuffsHeight, 60);
  EXPECT_EQ(g.sizeTable[4].bustGirth, 0);
  EXPECT_EQ(g.tracking.firstHits[4].segment, kNoSegment);
  EXPECT_EQ(g.trackingPrev.secondHits[0].art, nullptr);
  EXPECT_EQ(g.pluginRef, module);
  for (int row = 0; row < kMaxVariables; ++row) {
    ASSERT_EQ(g.variables.varNames[row][0], '\0');
    ASSERT_EQ(g.variables.varValues[row][0], '\0');
    ASSERT_EQ(g.variables.varPrivate[row], 0u);
  }
  EXPECT_EQ(module->options & 2, 2);
}

TEST_F(StartupTest, RegistersEverythingAndHoldsNoSuiteBetweenCalls) {
  const PluginGlobals& g = globals();
  for (int slot : {1, 2, 3, 4, 5, 6}) EXPECT_NE(g.toolHandles[slot], nullptr) << slot;
  for (int slot : {0, 7, 8, 9, 10, 11, 12, 19}) EXPECT_EQ(g.toolHandles[slot], nullptr) << slot;
  EXPECT_NE(g.notifierAppStarted, nullptr);
  EXPECT_NE(g.notifierDocChanged, nullptr);
  EXPECT_EQ(g.pollTimer, vmhost::FindTimer("Vestamark_TIMER"));
  EXPECT_EQ(g.pollTimer->period, 6);
  ASSERT_EQ(gHost.actionEvents.size(), 1u);
  EXPECT_EQ(gHost.actionEvents[0].name, "Vestamark_INTERNAL_ACTION");
  EXPECT_EQ(gHost.actionEvents[0].plugin, module);
  for (const char* suite : {"AI Art Suite", "AI User Suite", "AI Action Manager Suite", "ATE Story Suite"}) {
    EXPECT_EQ(vmhost::HeldSuiteCount(suite), 0) << suite;
  }
  EXPECT_EQ(gSuiteNesting, 0);
}

TEST_F(StartupTest, ReloadAfterUnloadKeepsEveryPresetHandleAndSetting) {
  PluginGlobals& g = globals();
  std::strcpy(g.presets[7].name, "XL");
  g.presets[7].empty = 0;
  g.handles[3].kind = kHandleDistance;
  std::strcpy(g.handles[3].line.amountExpr[2], "%%LENGTH%%*2");
  g.grading_angle = 0.5;
  std::strcpy(g.variables.varNames[0], "waist");
  auto before = std::make_unique<PluginGlobals>(g);

  ASSERT_EQ(vmhost::Unload(module), kNoErr);
  EXPECT_EQ(module->globals, gPlugin);
  gPlugin = nullptr;  // the module's own memory does not survive the unload
  gSuiteNesting = 3;
  ASSERT_EQ(vmhost::Reload(module), kNoErr);

  ASSERT_NE(gPlugin, nullptr);
  EXPECT_EQ(std::memcmp(gPlugin, before.get(), sizeof(PluginGlobals)), 0);
  EXPECT_EQ(gSuiteNesting, 0);
  EXPECT_STREQ(gPlugin->variables.varNames[0], "waist");
  EXPECT_TRUE(vmhost::Alerts().empty());
}

TEST_F(StartupTest, AccessCallsNeverAcquireSuitesOrAlert) {
  vmhost::FailSuiteAcquisition("AI Undo Suite", -1);
  EXPECT_EQ(vmhost::Unload(module), kNoErr);
  EXPECT_EQ(vmhost::Reload(module), kNoErr);
  EXPECT_TRUE(vmhost::Alerts().empty());
  // The same failure does show once a call acquires the suites.
  vmhost::MenuUpdate(globals().infMenuItem);
  EXPECT_EQ(AlertTexts(), (std::vector<std::string>{"Error: 1394689636, suite: AI Undo Suite, version: 7!"}));
  vmhost::ClearSuiteFailures();
}

TEST_F(StartupTest, ShutDownGivesBackEverythingTheRecordHeld) {
  globals().pieceArts = static_cast<ArtHandle*>(std::calloc(3, sizeof(ArtHandle)));
  globals().pieceArtCount = 3;
  globals().previewArts = static_cast<ArtHandle*>(std::calloc(3, sizeof(ArtHandle)));
  ASSERT_EQ(StopModule(), kNoErr);
  EXPECT_EQ(gPlugin, nullptr);
  EXPECT_EQ(module->globals, nullptr);
  EXPECT_EQ(vmhost::OutstandingBlocks(), 0);  // the sanitizer checks the heap arrays
  ASSERT_EQ(gHost.flyouts.size(), 2u);
  for (const auto& flyout : gHost.flyouts) EXPECT_FALSE(flyout->alive);
  for (const auto& panel : gHost.panels) EXPECT_FALSE(panel->alive);
}

class FailedStartupTest : public ModuleTest {
 protected:
  FailedStartupTest() { startModule = false; }
};

TEST_F(FailedStartupTest, ARegistrationFailureStopsTheLaterOnesAndIsShownOnce) {
  // Without the host's "Tool Palettes" group the menu registration fails.
  auto& groups = gHost.menuGroups;
  for (auto it = groups.begin(); it != groups.end(); ++it) {
    if ((*it)->name == "Tool Palettes") {
      groups.erase(it);
      break;
    }
  }
  EXPECT_EQ(StartModule(), kNotFoundErr);
  EXPECT_NE(globals().notifierDocChanged, nullptr);
  EXPECT_EQ(globals().pollTimer, nullptr);
  EXPECT_EQ(vmhost::FindTimer("Vestamark_TIMER"), nullptr);
  EXPECT_TRUE(gHost.actionEvents.empty());
  EXPECT_EQ(AlertTexts(),
            (std::vector<std::string>{"Error=21464e44, !FND (caller : SP Interface, selector : Startup)"}));
}

TEST_F(FailedStartupTest, SilentCodesReachTheHostWithoutTheirOwnAlert) {
  struct Case {
    HostErr error;
    size_t alerts;
  } cases[] = {{kCanceledErr, 1}, {kSuiteNotFoundErr, 1}, {kOutOfMemoryErr, 2}};
  for (const Case& c : cases) {
    vmhost::ClearRecordings();
    vmhost::FailSuiteAcquisition("AI Tool Suite", 1, c.error);
    EXPECT_EQ(vmhost::About(module), c.error);
    EXPECT_EQ(vmhost::Alerts().size(), c.alerts) << std::hex << c.error;
  }
}

TEST_F(FailedStartupTest, AFailureBeforeTheUserSuiteIsShownOnceItIsHeldAndNoHandlerRuns) {
  vmhost::FailSuiteAcquisition("AI Plugin Suite");
  EXPECT_EQ(StartModule(), kSuiteNotFoundErr);
  EXPECT_EQ(gPlugin, nullptr);
  EXPECT_EQ(AlertTexts(),
            (std::vector<std::string>{"Error: 1394689636, suite: AI Plugin Suite, version: 5!"}));
  EXPECT_EQ(vmhost::HeldSuiteCount("AI Art Suite"), 0);
  EXPECT_EQ(vmhost::HeldSuiteCount("SP Blocks Suite"), 0);
  // Shutting down what never started is harmless.
  EXPECT_EQ(StopModule(), kNoErr);
}

TEST_F(FailedStartupTest, TheActionManagerRowsAreReleasedAsOftenAsAcquired) {
  vmhost::FailSuiteAcquisition("AI Unicode String Suite");  // the last row
  StartModule();
  EXPECT_EQ(vmhost::HeldSuiteCount("AI Action Manager Suite"), 0);
  EXPECT_EQ(vmhost::HeldSuiteCount("AI Art Suite"), 0);
  EXPECT_EQ(gSuiteNesting, 0);
}

}  // namespace
