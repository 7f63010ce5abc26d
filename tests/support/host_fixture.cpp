#include "host_fixture.h"

#include "host_suite_tables.h"

namespace vmtest {

std::map<std::string, MessageHandler>& TestPluginHandlers() {
  static std::map<std::string, MessageHandler> handlers;
  return handlers;
}

HostErr TestPluginMain(const char* caller, const char* selector, void* message) {
  auto& handlers = TestPluginHandlers();
  auto it = handlers.find(std::string(caller) + "/" + selector);
  return it == handlers.end() ? kNoErr : it->second(message);
}

void HostTest::SetUp() {
  vmhost::ResetHost();
  TestPluginHandlers().clear();
  plugin = vmhost::AddPlugin("Test", TestPluginMain);
  ASSERT_EQ(vmhost::Startup(plugin), kNoErr);
  doc = vmhost::NewDocument("Test-1");
  vmhost::ClearRecordings();
}

void HostTest::TearDown() {
  TestPluginHandlers().clear();
  vmhost::ResetHost();
}

HostErr HostTest::InHostCall(const std::function<void()>& body) {
  TestPluginHandlers()["Test Call/Run"] = [&body](void*) {
    body();
    return kNoErr;
  };
  SPMessageData message{};
  HostErr err = CallPlugin(plugin, "Test Call", "Run", &message);
  TestPluginHandlers().erase("Test Call/Run");
  return err;
}

}  // namespace vmtest
