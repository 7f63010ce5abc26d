// A fresh stand-in host for each test, and a test plug-in whose answers to
// host messages the test writes as lambdas.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "host/host_driver.h"
#include "host_suite_tables.h"

namespace vmtest {

// Acquires a suite through the basic suite, as a plug-in does.
template <typename Suite>
const Suite* AcquireSuite(const char* name, int32_t version) {
  const void* suite = nullptr;
  return gBasicSuite.AcquireSuite(name, version, &suite) == kNoErr ? static_cast<const Suite*>(suite)
                                                                   : nullptr;
}

using MessageHandler = std::function<HostErr(void* message)>;

// Handlers by "caller/selector"; a message with no handler gets kNoErr.
std::map<std::string, MessageHandler>& TestPluginHandlers();
HostErr TestPluginMain(const char* caller, const char* selector, void* message);

// A host with one empty document ("Layer 1") and a started test plug-in.
class HostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Runs body inside one host call of the test plug-in, as a module handler would.
  HostErr InHostCall(const std::function<void()>& body);

  PluginRef plugin = nullptr;
  DocumentHandle doc = nullptr;
};

}  // namespace vmtest
