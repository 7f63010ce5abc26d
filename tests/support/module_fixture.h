// The module started in the stand-in host through PluginMain, with one open
// document, for scenario tests of every subsystem.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "common/plugin_globals.h"
#include "host/host_driver.h"
#include "support/win_temp_folders.h"

namespace vmtest {

class ModuleTest : public ::testing::Test {
 protected:
  // A fresh host and user folders; start-up, application started, a new
  // document and one timer tick, so the module has seen the document.
  void SetUp() override;
  // Shuts the module down when it is running and checks that every block of
  // the host allocator was given back.
  void TearDown() override;

  // Single steps, for tests that look at start-up itself (set startModule
  // to false before SetUp runs, i.e. in the test's constructor).
  HostErr StartModule();
  HostErr StopModule();
  // Ticks the host clock until the module's polling timer has run once.
  HostErr TickOnce();

  // Runs body as one host call of the module would: suites held and the
  // document changes recorded as one undo step.
  void InModuleCall(const std::function<void()>& body);

  PluginGlobals& globals() { return *gPlugin; }
  // A tool of the module by its full title, e.g. "Distance revision_Vestamark".
  ToolHandle Tool(const char* title);
  // The UTF-8 texts of every alert shown since the last ClearRecordings.
  std::vector<std::string> AlertTexts();

  bool startModule = true;
  PluginRef module = nullptr;
  DocumentHandle doc = nullptr;
  std::unique_ptr<TempUserFolders> folders;

 private:
  bool running_ = false;
};

}  // namespace vmtest
