// Nested suite acquisition and panel commands replayed through the internal
// action.
#include "common/deferred_command.h"

#include <algorithm>
#include <utility>

#include "host_model.h"
#include "resources/basic_settings_resource_ids.h"
#include "shell/plugin_main.h"
#include "support/module_fixture.h"
#include "support/module_suites.h"
#include "win_driver.h"

using namespace vmtest;

namespace {

using DeferredCommandTest = ModuleTest;

long PlayedActions() {
  return std::count(vmhost::Calls().begin(), vmhost::Calls().end(), "Action Manager/Do Action");
}

TEST_F(DeferredCommandTest, OnlyTheOutermostAcquisitionTouchesTheHost) {
  {
    ModuleSuites outer;
    ASSERT_EQ(outer.result, kNoErr);
    EXPECT_EQ(vmhost::HeldSuiteCount("AI Art Suite"), 1);
    EXPECT_EQ(vmhost::HeldSuiteCount("AI Action Manager Suite"), 2);  // two rows
    {
      ModuleSuites inner;
      EXPECT_EQ(gSuiteNesting, 2);
      EXPECT_EQ(vmhost::HeldSuiteCount("AI Art Suite"), 1);
    }
    EXPECT_EQ(gSuiteNesting, 1);
    EXPECT_NE(sAIArt, nullptr);
  }
  EXPECT_EQ(gSuiteNesting, 0);
  EXPECT_EQ(sAIArt, nullptr);
  EXPECT_EQ(vmhost::HeldSuiteCount("AI Action Manager Suite"), 0);
}

TEST_F(DeferredCommandTest, WithoutTheBasicSuiteOnlyANestedAcquisitionSucceeds) {
  EXPECT_NE(AcquireSuites(nullptr), kNoErr);
  EXPECT_EQ(sAIArt, nullptr);
  EXPECT_EQ(ReleaseSuites(nullptr), kNoErr);
  EXPECT_EQ(gSuiteNesting, 0);
  InModuleCall([&] {
    EXPECT_EQ(AcquireSuites(nullptr), kNoErr);  // the call's own suites serve
    EXPECT_NE(sAIArt, nullptr);
    ReleaseSuites(nullptr);
    EXPECT_EQ(gSuiteNesting, 1);
  });
  EXPECT_EQ(gSuiteNesting, 0);
}

TEST_F(DeferredCommandTest, APanelCommandRunsInsideAHostCallAndIsCleared) {
  globals().currentView = vmhost::CurrentView();
  const int32_t depth = vmhost::UndoDepth();
  vmwin::ScriptDialog(kBasicSettingsDialogResource, {vmwin::SetText(kBasicScaleHEdit, "110"), vmwin::Click(IDOK)});
  PostDeferredCommand(kDeferredInfFlyoutItem, 4, 0, nullptr);  // "Basic settings..."
  EXPECT_EQ(PlayedActions(), 1);
  ASSERT_EQ(vmwin::ShownDialogs().size(), 1u);
  EXPECT_EQ(vmwin::ShownDialogs()[0].templateId, kBasicSettingsDialogResource);
  EXPECT_DOUBLE_EQ(globals().presetScale[globals().currentScaleIndex].h, 1.1);
  // Undo is recorded only inside a host call.
  EXPECT_EQ(vmhost::UndoDepth(), depth + 1);
  EXPECT_EQ(vmhost::UndoText(), "基本設定の取り消し");
  EXPECT_EQ(globals().deferredCommand.code, 0u);
  EXPECT_EQ(globals().deferredCommand.arg1, 0);
  EXPECT_EQ(gSuiteNesting, 0);
  EXPECT_EQ(vmhost::HeldSuiteCount("AI Panel Suite"), 0);
  EXPECT_TRUE(vmhost::Alerts().empty());
}

TEST_F(DeferredCommandTest, APanelCommandWithoutItsPanelIsClearedWithoutRunning) {
  globals().currentView = vmhost::CurrentView();
  const PanelHandle panel = std::exchange(globals().infPanel, nullptr);
  OwnerDrawRecord row{};
  row.itemId = 3;
  PostDeferredCommand(kDeferredPaintInfItem, 0, 0, &row);
  EXPECT_EQ(globals().deferredCommand.drawItem.itemId, 3u);  // the copy stays
  PostDeferredCommand(kDeferredInfPanelCommand, 5, 0, nullptr);  // the lock button
  EXPECT_EQ(PlayedActions(), 2);
  EXPECT_EQ(globals().handlesLocked, 0);
  EXPECT_EQ(globals().deferredCommand.code, 0u);
  EXPECT_EQ(globals().deferredCommand.arg2, 0);
  globals().infPanel = panel;
  PostDeferredCommand(kDeferredInfPanelCommand, 5, 0, nullptr);
  EXPECT_EQ(globals().handlesLocked, 1);
}

TEST_F(DeferredCommandTest, AnEventWithoutADocumentViewIsDropped) {
  globals().currentView = nullptr;
  PostDeferredCommand(kDeferredVarFlyoutItem, 2, 0, nullptr);
  EXPECT_EQ(PlayedActions(), 0);
  EXPECT_EQ(globals().deferredCommand.code, 0u);
}

TEST_F(DeferredCommandTest, AnEventInsideAHostCallPlaysWithoutNewAcquisitions) {
  globals().currentView = vmhost::CurrentView();
  InModuleCall([&] {
    PostDeferredCommand(kDeferredVarPanelCommand, 1, 0, nullptr);
    EXPECT_EQ(PlayedActions(), 1);
    EXPECT_EQ(gSuiteNesting, 1);
    EXPECT_EQ(vmhost::HeldSuiteCount("AI Art Suite"), 1);
  });
  EXPECT_EQ(gSuiteNesting, 0);
  EXPECT_EQ(globals().deferredCommand.code, 0u);
}

TEST_F(DeferredCommandTest, AnInternalErrorIsShownWithItsCodeAsText) {
  {
    ModuleSuites suites;
    ReportInternalError(kNotFoundErr);
  }
  ReportInternalError(kNotFoundErr);  // no user suite: nothing
  EXPECT_EQ(AlertTexts(), (std::vector<std::string>{"Unexpected internal error=21464e44, !FND"}));
}

}  // namespace
