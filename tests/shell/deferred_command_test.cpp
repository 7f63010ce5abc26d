// Nested suite acquisition and panel commands replayed through the internal
// action.
#include "shell/deferred_command.h"

#include <algorithm>
#include <utility>

#include "support/module_suites.h"
#include "host_model.h"
#include "shell/plugin_main.h"
#include "support/module_fixture.h"

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
  PostDeferredCommand(kDeferredInfFlyoutItem, 4, 0, nullptr);
  EXPECT_EQ(PlayedActions(), 1);
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
  PostDeferredCommand(kDeferredInfPanelCommand, 5, 0, nullptr);
  EXPECT_EQ(PlayedActions(), 2);
  EXPECT_EQ(globals().deferredCommand.code, 0u);
  EXPECT_EQ(globals().deferredCommand.arg2, 0);
  globals().infPanel = panel;
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
