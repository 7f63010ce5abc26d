// The module started in the stand-in host with one new document, its suites
// held for the benchmark's direct calls, and an empty piece group.
#pragma once

#include "host/host_driver.h"
#include "host_suite_tables.h"
#include "shell/suite_pointers.h"
#include "shell/suite_table.h"

inline ArtHandle StartBenchDocument() {
  vmhost::ResetHost();
  PluginRef module = vmhost::LoadModule();
  vmhost::Startup(module);
  vmhost::NewDocument("Bench");
  sSPBasic = &gBasicSuite;
  AcquireSuites(&gBasicSuite);
  return vmhost::AddGroup(nullptr);
}
