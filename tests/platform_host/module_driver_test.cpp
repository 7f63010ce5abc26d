// The driver with the module's own entry point: what the host holds after
// start-up, ticks by the host clock, unload and reload, and a clean shut-down.
#include "support/module_fixture.h"

using namespace vmtest;

namespace {

class ModuleDriverTest : public ModuleTest {};

TEST_F(ModuleDriverTest, StartUpRegistersWithTheHost) {
  std::vector<std::string> titles;
  for (auto& tool : gHost.tools) {
    EXPECT_EQ(tool->plugin, module);
    titles.push_back(tool->title);
  }
  ASSERT_EQ(titles.size(), 6u);
  int32_t first = gHost.tools[0]->number;
  for (size_t i = 1; i < gHost.tools.size(); i++) EXPECT_EQ(gHost.tools[i]->sameToolsetAs, first);
  EXPECT_EQ(gHost.tools[0]->sameToolsetAs, kNoTool);
  ASSERT_NE(vmhost::FindTimer("Vestamark_TIMER"), nullptr);
  EXPECT_EQ(vmhost::FindTimer("Vestamark_TIMER")->period, 6);
  ASSERT_EQ(gHost.actionEvents.size(), 1u);
  EXPECT_EQ(gHost.actionEvents[0].name, "Vestamark_INTERNAL_ACTION");
  EXPECT_EQ(gHost.notifiers.size(), 2u);
  EXPECT_EQ(vmhost::HeldSuiteCount("AI Art Suite"), 0);  // nothing held between calls
}

TEST_F(ModuleDriverTest, TheTimerRunsEverySixHostTicks) {
  vmhost::AdvanceTicks(18);
  int ticks = 0;
  for (const std::string& call : vmhost::Calls()) ticks += call == "AI Timer/AI Go";
  EXPECT_EQ(ticks, 3);
}

TEST_F(ModuleDriverTest, ThePlayedInternalActionComesBackAsDoAction) {
  ASSERT_EQ(vmhost::PlayAction("Vestamark_INTERNAL_ACTION"), kNoErr);
  EXPECT_EQ(vmhost::Calls(), std::vector<std::string>{"Action Manager/Do Action"});
}

TEST_F(ModuleDriverTest, UnloadAndReloadHandTheGlobalsThroughTheHost) {
  PluginGlobals* before = gPlugin;
  ASSERT_EQ(vmhost::Unload(module), kNoErr);
  EXPECT_EQ(module->globals, before);
  ASSERT_EQ(vmhost::Reload(module), kNoErr);
  EXPECT_EQ(gPlugin, before);
}

}  // namespace
