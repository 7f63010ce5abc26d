#include "support/module_fixture.h"

#include "host_model.h"
#include "shell/plugin_main.h"
#include "support/module_suites.h"
#include "win_driver.h"

namespace vmtest {

namespace {
// Links the module's entry point over the host fixture's weak placeholder.
[[maybe_unused]] auto* const kEntryPoint = &DispatchPluginMessage;
}  // namespace

void ModuleTest::SetUp() {
  vmwin::ResetWindowsLayer();
  vmhost::ResetHost();
  folders = std::make_unique<TempUserFolders>();
  module = vmhost::LoadModule();
  if (!startModule) return;
  ASSERT_EQ(StartModule(), kNoErr);
  ASSERT_EQ(vmhost::NotifyAppStarted(), kNoErr);
  doc = vmhost::NewDocument("Pattern-1");
  ASSERT_EQ(TickOnce(), kNoErr);
  vmhost::ClearRecordings();
}

void ModuleTest::TearDown() {
  // Every dialog of the module opens in the middle of the screen, in front.
  for (const vmwin::ShownDialog& d : vmwin::ShownDialogs()) EXPECT_TRUE(d.centredOnTop) << d.templateId;
  if (running_) {
    EXPECT_EQ(StopModule(), kNoErr);
  }
  EXPECT_EQ(gPlugin, nullptr);
  EXPECT_EQ(vmhost::OutstandingBlocks(), 0);
  EXPECT_EQ(gHost.unbalancedReleases, 0) << "a suite released that was not acquired";
  vmhost::ResetHost();
  vmwin::ResetWindowsLayer();
  folders.reset();
}

HostErr ModuleTest::StartModule() {
  HostErr err = vmhost::Startup(module);
  running_ = gPlugin != nullptr;
  return err;
}

HostErr ModuleTest::StopModule() {
  running_ = false;
  return vmhost::Shutdown(module);
}

HostErr ModuleTest::TickOnce() {
  TimerHandle timer = vmhost::FindTimer("Vestamark_TIMER");
  return timer != nullptr ? vmhost::FireTimer(timer) : kNotFoundErr;
}

void ModuleTest::InModuleCall(const std::function<void()>& body) {
  BeginHostCall();
  {
    ModuleSuites suites;
    body();
  }
  EndHostCall();
}

ToolHandle ModuleTest::Tool(const char* title) { return vmhost::FindToolByTitle(title); }

std::vector<std::string> ModuleTest::AlertTexts() {
  std::vector<std::string> texts;
  for (const AlertRecord& alert : vmhost::Alerts()) texts.push_back(alert.text);
  return texts;
}

}  // namespace vmtest
